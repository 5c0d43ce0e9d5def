// Marks a text that the window shows and a translator may translate. The program uses
// the text as written (the game's own Japanese); the window looks up its translation
// under `context` where the text reaches the screen: "Message" for the boxes' titles
// and texts, "Board" for what is drawn beside the board. The translation tools collect
// every marked text (scripts/update-translations).
#pragma once

#define KZ_TR(context, text) text
