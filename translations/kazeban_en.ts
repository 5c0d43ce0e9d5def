<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Board</name>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <translation>Handicap: Meijin</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation>Handicap: 8-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation>Handicap: 7-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation>Handicap: 10-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation>Handicap: 11-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation>Handicap: 12-kyu</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>棋譜 (*.kif *.kifu *.ki2 *.ki2u *.csa *.sfen *.usi *.txt *.棋譜);;すべてのファイル (*)</source>
        <translation>Records (*.kif *.kifu *.ki2 *.ki2u *.csa *.sfen *.usi *.txt *.棋譜);;All files (*)</translation>
    </message>
    <message>
        <source>棋譜の取込</source>
        <translation>Import a record</translation>
    </message>
    <message>
        <source>棋譜の書出</source>
        <translation>Export the record</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝ設定</source>
        <translation>Engine settings</translation>
    </message>
    <message>
        <source>追加…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝ</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>1手の時間</source>
        <translation>Time per move</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝが見つかりません</source>
        <translation>No engine found</translation>
    </message>
    <message>
        <source>読込中…</source>
        <translation>Reading…</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>前回の対局</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>標準ﾙｰﾙ</source>
        <translation>Standard rules</translation>
    </message>
    <message>
        <source>対局(ｴﾝｼﾞﾝ)</source>
        <translation>Against an engine</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝ設定…</source>
        <translation>Engine settings…</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente (move first)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote (move second)</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Turn board</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>△</source>
        <translation>△</translation>
    </message>
    <message>
        <source>▽</source>
        <translation>▽</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guidance</translation>
    </message>
    <message>
        <source>言語(Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>About</translation>
    </message>
    <message>
        <source>取込(KIF・KI2・CSA・SFEN)…</source>
        <translation>Import (KIF, KI2, CSA, SFEN)…</translation>
    </message>
    <message>
        <source>書出(KIF・CSA・SFEN)…</source>
        <translation>Export (KIF, CSA, SFEN)…</translation>
    </message>
    <message>
        <source>局面をコピー(SFEN)</source>
        <translation>Copy position (SFEN)</translation>
    </message>
    <message>
        <source>棋譜を貼付け</source>
        <translation>Paste record</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Sente wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>Gote wins</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound output cannot be opened.</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>途中にフォルダでないものがあります</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>許可がありません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>read-only location</translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>入出力エラーです</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>リンクが循環しています</source>
        <translation>too many levels of links</translation>
    </message>
    <message>
        <source>ファイル名がありません</source>
        <translation>No file name</translation>
    </message>
    <message>
        <source>空の行です</source>
        <translation>empty line</translation>
    </message>
    <message>
        <source>王は打てません</source>
        <translation>a king cannot be dropped</translation>
    </message>
    <message>
        <source>同じ時刻の記録が多すぎます</source>
        <translation>too many games started at the same time</translation>
    </message>
    <message>
        <source>1行目: 棋譜の形式がわかりません</source>
        <translation>Line 1: unknown record format</translation>
    </message>
    <message>
        <source>%1。元のファイルはそのままです</source>
        <translation>%1. The original file is unchanged.</translation>
    </message>
    <message>
        <source>%1手目からあとは読み込んでいません(%2手まで)</source>
        <translation>Moves from move %1 on were not read (%2 moves at most)</translation>
    </message>
    <message>
        <source>%1手目からあとは書き出していません
%2</source>
        <translation>Moves from move %1 on were not exported.
%2</translation>
    </message>
    <message>
        <source>対局を記録できません
%1
%2
対局はこのまま続けられます</source>
        <translation>The game cannot be kept in the journal.
%1
%2
The game can go on.</translation>
    </message>
    <message>
        <source>「%1」は書き出せる形式の名前ではありません(.kif .kifu .csa .sfen .usi)</source>
        <translation>&quot;%1&quot; does not name a format that can be exported (.kif .kifu .csa .sfen .usi)</translation>
    </message>
    <message>
        <source>貼り付けた棋譜の%1</source>
        <translation>Pasted record: %1</translation>
    </message>
    <message>
        <source>「%1」が見つかりません</source>
        <translation>&quot;%1&quot; was not found</translation>
    </message>
    <message>
        <source>「%1」を開けません（%2）</source>
        <translation>&quot;%1&quot; cannot be opened (%2)</translation>
    </message>
    <message>
        <source>「%1」を読み込めません（%2）</source>
        <translation>&quot;%1&quot; cannot be read (%2)</translation>
    </message>
    <message>
        <source>「%1」はフォルダです</source>
        <translation>&quot;%1&quot; is a folder</translation>
    </message>
    <message>
        <source>「%1」は普通のファイルではありません</source>
        <translation>&quot;%1&quot; is not a regular file</translation>
    </message>
    <message>
        <source>「%1」は大きすぎて棋譜ファイルではありません</source>
        <translation>&quot;%1&quot; is too large to be a record file</translation>
    </message>
    <message>
        <source>「%1」はすでにあります</source>
        <translation>&quot;%1&quot; already exists</translation>
    </message>
    <message>
        <source>「%1」に書き込めません（%2）</source>
        <translation>Cannot write to &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>「%1」は書き込みが許可されていないため上書きできません</source>
        <translation>&quot;%1&quot; cannot be replaced: writing it is not permitted</translation>
    </message>
    <message>
        <source>保存先のフォルダ「%1」がありません</source>
        <translation>The folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>保存先のフォルダ「%1」に書き込む許可がありません</source>
        <translation>No permission to write in the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>保存先のフォルダ「%1」にファイルを作れません（%2）</source>
        <translation>Cannot create a file in the folder &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>「%1」を書き込めませんでした（%2）</source>
        <translation>&quot;%1&quot; could not be written (%2)</translation>
    </message>
    <message>
        <source>「%1」を作れませんでした（%2）</source>
        <translation>&quot;%1&quot; could not be created (%2)</translation>
    </message>
    <message>
        <source>「%1」という名前のフォルダがあるため書き込めません</source>
        <translation>Cannot write &quot;%1&quot;: a folder has that name</translation>
    </message>
    <message>
        <source>「%1」を置き換えられませんでした（%2）</source>
        <translation>&quot;%1&quot; could not be replaced (%2)</translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れません（%2）</source>
        <translation>Cannot create the folder &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>「%1」はフォルダではありません</source>
        <translation>&quot;%1&quot; is not a folder</translation>
    </message>
    <message>
        <source>「%1」を読み込めません。</source>
        <translation>&quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>「%1」は空のファイルです。</source>
        <translation>&quot;%1&quot; is an empty file.</translation>
    </message>
    <message>
        <source>「%1」は音声ファイルとしては大きすぎます。</source>
        <translation>&quot;%1&quot; is too large for a sound file.</translation>
    </message>
    <message>
        <source>「%1」を開けません。</source>
        <translation>&quot;%1&quot; cannot be opened.</translation>
    </message>
    <message>
        <source>「%1」はWAVE形式の音声ファイルではありません。</source>
        <translation>&quot;%1&quot; is not a WAVE sound file.</translation>
    </message>
    <message>
        <source>「%1」は途中で切れています。</source>
        <translation>&quot;%1&quot; is cut short.</translation>
    </message>
    <message>
        <source>「%1」は再生できない形式の音声ファイルです。</source>
        <translation>&quot;%1&quot; is a sound file in a form that cannot be played.</translation>
    </message>
    <message>
        <source>「%1」の%2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1手目: %2</source>
        <translation>Move %1: %2</translation>
    </message>
    <message>
        <source>エラー番号 %1</source>
        <translation>error number %1</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>棋譜がいっぱいです(500手まで)</source>
        <translation>The record is full (500 moves at most)</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀ</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>再ゲーム</source>
        <translation>Play again</translation>
    </message>
    <message>
        <source>続けますか？</source>
        <translation>Play another game?</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Sente to move</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません(局面→最初)</source>
        <translation>Not in record mode (Position → Reset)</translation>
    </message>
    <message>
        <source>対局途中ではできません</source>
        <translation>Not during a game</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with &apos;Forward&apos;</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the Game menu</translation>
    </message>
    <message>
        <source>再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>OK?</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>This piece must promote: click with the right mouse button</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote</translation>
    </message>
    <message>
        <source>棋譜取込</source>
        <translation>Import record</translation>
    </message>
    <message>
        <source>棋譜貼付け</source>
        <translation>Paste record</translation>
    </message>
    <message>
        <source>棋譜書出</source>
        <translation>Export record</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation>The record has been read</translation>
    </message>
    <message>
        <source>クリップボードに棋譜がありません</source>
        <translation>There is no game record on the clipboard</translation>
    </message>
    <message>
        <source>棋譜を書き出しました</source>
        <translation>The record has been exported</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End of the record</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Turn board</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not in record mode</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Write record</translation>
    </message>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>Cannot write after the board was turned</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>Cannot write after a handicap was set</translation>
    </message>
    <message>
        <source>平手の初形からでない棋譜は書き込みできません</source>
        <translation>Only a game from the even starting position can be written</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name was entered</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に「/」は使えません</source>
        <translation>A file name cannot contain &quot;/&quot;</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>保存先のフォルダが選ばれていません</source>
        <translation>No folder has been chosen to save in</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>The record has been written</translation>
    </message>
    <message>
        <source>棋譜読込</source>
        <translation>Read record</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>%1 の値がありません</source>
        <translation>%1 lacks its value</translation>
    </message>
    <message>
        <source>知らない形式です: %1</source>
        <translation>unknown format %1</translation>
    </message>
    <message>
        <source>知らないオプションです: %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>棋譜が指定されていません</source>
        <translation>no record given</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <source>最初の%1手だけを読み込みました</source>
        <translation>only the first %1 moves were read</translation>
    </message>
    <message>
        <source>オプションの値がありません</source>
        <translation>an option lacks its value</translation>
    </message>
    <message>
        <source>レベルは 1、2、3 のどれかです</source>
        <translation>the level must be 1, 2 or 3</translation>
    </message>
    <message>
        <source>手数は 0 以上の整数です</source>
        <translation>the number of moves must be a whole number, 0 or more</translation>
    </message>
    <message>
        <source>--candidates と --legal は一緒に使えません</source>
        <translation>--candidates and --legal exclude each other</translation>
    </message>
    <message>
        <source>--legal には ue か sita を指定します</source>
        <translation>--legal takes ue or sita</translation>
    </message>
    <message>
        <source>棋譜ファイルは一つだけ指定できます</source>
        <translation>only one record file may be given</translation>
    </message>
    <message>
        <source>棋譜ファイルが指定されていません</source>
        <translation>no record file given</translation>
    </message>
    <message>
        <source>棋譜には%1手しかありません（%2手ではありません）</source>
        <translation>the file holds only %1 moves, not %2</translation>
    </message>
    <message>
        <source>棋譜に%1手より多くの手があります</source>
        <translation>the file holds more than %1 moves</translation>
    </message>
    <message>
        <source>読めない行です</source>
        <translation>unreadable line</translation>
    </message>
    <message>
        <source>指し手が読めません</source>
        <translation>unreadable move</translation>
    </message>
    <message>
        <source>盤面図が9段ありません</source>
        <translation>the board diagram does not have 9 ranks</translation>
    </message>
    <message>
        <source>手の行が短すぎます（%1文字必要なところ %2文字です）</source>
        <translation>the move line is too short (%2 characters where %1 are needed)</translation>
    </message>
    <message>
        <source>移動元の列</source>
        <translation>the from-column</translation>
    </message>
    <message>
        <source>移動元の段</source>
        <translation>the from-row</translation>
    </message>
    <message>
        <source>移動先の列</source>
        <translation>the to-column</translation>
    </message>
    <message>
        <source>移動先の段</source>
        <translation>the to-row</translation>
    </message>
    <message>
        <source>動かした後の駒</source>
        <translation>the piece after the move</translation>
    </message>
    <message>
        <source>動かす前の駒</source>
        <translation>the piece before the move</translation>
    </message>
    <message>
        <source>取った駒</source>
        <translation>the captured piece</translation>
    </message>
    <message>
        <source>空いています</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>下</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>上</source>
        <translation>top</translation>
    </message>
    <message>
        <source>対局名</source>
        <translation>the game&apos;s name</translation>
    </message>
    <message>
        <source>先手の名前</source>
        <translation>Sente&apos;s name</translation>
    </message>
    <message>
        <source>後手の名前</source>
        <translation>Gote&apos;s name</translation>
    </message>
    <message>
        <source>改行</source>
        <translation>a line break</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>a tab</translation>
    </message>
    <message>
        <source>制御文字</source>
        <translation>a control character</translation>
    </message>
    <message>
        <source>UTF-8 として正しくない文字</source>
        <translation>a character that is not valid UTF-8</translation>
    </message>
    <message>
        <source>文字コード CP932 への変換が使えません</source>
        <translation>the conversion to CP932 is not available</translation>
    </message>
    <message>
        <source>%1手目の記録が正しくないため書き込めません: %2</source>
        <translation>cannot be written: move %1 is not valid: %2</translation>
    </message>
    <message>
        <source>%1（%2）が数字として読めません</source>
        <translation>%1 (%2) is not a number</translation>
    </message>
    <message>
        <source>%1～%2文字目</source>
        <translation>characters %1 to %2</translation>
    </message>
    <message>
        <source>%1文字目より後に余計な文字があります</source>
        <translation>there is more after character %1</translation>
    </message>
    <message>
        <source>%1文字目</source>
        <translation>character %1</translation>
    </message>
    <message>
        <source>列%1・段%2</source>
        <translation>column %1, row %2</translation>
    </message>
    <message>
        <source>移動元の列が範囲外です（%1）</source>
        <translation>the from-column is out of range (%1)</translation>
    </message>
    <message>
        <source>%1が範囲外です（%2）</source>
        <translation>%1 is out of range (%2)</translation>
    </message>
    <message>
        <source>動かした後の駒が駒の番号ではありません（%1）</source>
        <translation>the piece after the move is not a piece code (%1)</translation>
    </message>
    <message>
        <source>動かす前の駒が駒の番号ではありません（%1）</source>
        <translation>the piece before the move is not a piece code (%1)</translation>
    </message>
    <message>
        <source>取った駒が駒の番号ではありません（%1）</source>
        <translation>the captured piece is not a piece code (%1)</translation>
    </message>
    <message>
        <source>動かした後の駒（%1）が動かす前の駒（%2）ともその成駒とも違います</source>
        <translation>the piece after the move (%1) is neither the piece before it (%2) nor its promoted form</translation>
    </message>
    <message>
        <source>自分の駒（%1）を取っています</source>
        <translation>it captures its own piece (%1)</translation>
    </message>
    <message>
        <source>移動元の列 %1 は%2側の持駒ですが、打つ駒（%3）は%4側の駒です</source>
        <translation>from-column %1 is the %2 player&apos;s hand, but the dropped piece (%3) is the %4 player&apos;s</translation>
    </message>
    <message>
        <source>成駒は打てません（%1）</source>
        <translation>a promoted piece cannot be dropped (%1)</translation>
    </message>
    <message>
        <source>打った駒は成れません（%1）</source>
        <translation>a dropped piece cannot promote (%1)</translation>
    </message>
    <message>
        <source>打つ駒（%1）が持駒にありません</source>
        <translation>the dropped piece (%1) is not in hand</translation>
    </message>
    <message>
        <source>駒を打つ手が駒を取っています（%1）</source>
        <translation>a drop captures a piece (%1)</translation>
    </message>
    <message>
        <source>%1に動かす駒（%2）がありません（%3）</source>
        <translation>the piece to move (%2) is not on %1 (%3)</translation>
    </message>
    <message>
        <source>そこにあるのは %1</source>
        <translation>%1 stands there</translation>
    </message>
    <message>
        <source>移動先（%1）にあるのは %2 で、取った駒（%3）と違います</source>
        <translation>the destination (%1) holds %2, not the captured piece (%3)</translation>
    </message>
    <message>
        <source>%1に、棋譜ファイルに書けない文字があります（%2）</source>
        <translation>%1 holds a character a record file cannot hold (%2)</translation>
    </message>
    <message>
        <source>手が多すぎます（%1手。%2手までです）</source>
        <translation>too many moves (%1; at most %2)</translation>
    </message>
    <message>
        <source>玉を取る手</source>
        <translation>a move that takes the king</translation>
    </message>
    <message>
        <source>王手放置</source>
        <translation>a check left unanswered</translation>
    </message>
    <message>
        <source>その駒はそこへ指せません</source>
        <translation>a move that piece cannot make</translation>
    </message>
    <message>
        <source>二歩</source>
        <translation>a second pawn on a file</translation>
    </message>
    <message>
        <source>行き所のない駒</source>
        <translation>a piece that could never move again</translation>
    </message>
    <message>
        <source>打ち歩詰め</source>
        <translation>mate by a pawn drop</translation>
    </message>
    <message>
        <source>下手</source>
        <translation>Shitate</translation>
    </message>
    <message>
        <source>上手</source>
        <translation>Uwate</translation>
    </message>
    <message>
        <source>%1手目の%2は%3で、標準の将棋では指せないため書き出していません。KAZEBAN の規則では%4の勝ち。</source>
        <translation>Move %1 (%2) is %3, which standard shogi does not allow: it was not exported. By KAZEBAN&apos;s rule %4 won.</translation>
    </message>
    <message>
        <source>%1手目の%2は%3で、標準の将棋では指せないため書き出していません。</source>
        <translation>Move %1 (%2) is %3, which standard shogi does not allow: it was not exported.</translation>
    </message>
    <message>
        <source>盤面図の段が多すぎます</source>
        <translation>the board diagram has too many ranks</translation>
    </message>
    <message>
        <source>盤面図の駒が読めません</source>
        <translation>a piece of the board diagram cannot be read</translation>
    </message>
    <message>
        <source>盤面図の段が9升ではありません</source>
        <translation>a rank of the board diagram does not have 9 squares</translation>
    </message>
    <message>
        <source>「同」の前に指し手がありません</source>
        <translation>no move before &quot;同&quot;</translation>
    </message>
    <message>
        <source>指し手の升が読めません</source>
        <translation>the move&apos;s square cannot be read</translation>
    </message>
    <message>
        <source>指し手の駒が読めません</source>
        <translation>the move&apos;s piece cannot be read</translation>
    </message>
    <message>
        <source>移動元が読めません</source>
        <translation>the square moved from cannot be read</translation>
    </message>
    <message>
        <source>持駒が読めません</source>
        <translation>the pieces in hand cannot be read</translation>
    </message>
    <message>
        <source>2行目以降は読めません</source>
        <translation>nothing can be read after line 1</translation>
    </message>
    <message>
        <source>KI2 形式では書き出せません</source>
        <translation>records cannot be exported as KI2</translation>
    </message>
    <message>
        <source>平手の初期局面から先手が指す棋譜だけが .棋譜 ファイルに書けます</source>
        <translation>only a game from the even starting position, Sente moving first, can be written as a .棋譜 file</translation>
    </message>
    <message>
        <source>駒の指定が読めません</source>
        <translation>the pieces cannot be read</translation>
    </message>
    <message>
        <source>持駒にできない駒です</source>
        <translation>that piece cannot be held in hand</translation>
    </message>
    <message>
        <source>持駒が多すぎます</source>
        <translation>too many pieces in hand</translation>
    </message>
    <message>
        <source>指し手の後に局面があります</source>
        <translation>a position after the moves</translation>
    </message>
    <message>
        <source>駒落ちの指定が読めません</source>
        <translation>the handicap cannot be read</translation>
    </message>
    <message>
        <source>段の升が9ではありません</source>
        <translation>a rank does not have 9 squares</translation>
    </message>
    <message>
        <source>局面の行が読めません</source>
        <translation>a line of the position cannot be read</translation>
    </message>
    <message>
        <source>指し手の途中に手番があります</source>
        <translation>a side to move among the moves</translation>
    </message>
    <message>
        <source>盤の段の升の数が9ではありません</source>
        <translation>a rank of the board does not have 9 squares</translation>
    </message>
    <message>
        <source>「+」の後に駒がありません</source>
        <translation>no piece after &quot;+&quot;</translation>
    </message>
    <message>
        <source>盤の段の升の数が9を超えています</source>
        <translation>a rank of the board has more than 9 squares</translation>
    </message>
    <message>
        <source>「+」が続いています</source>
        <translation>&quot;+&quot; twice</translation>
    </message>
    <message>
        <source>盤が9段9筋になっていません</source>
        <translation>the board is not 9 by 9</translation>
    </message>
    <message>
        <source>手番は b か w です</source>
        <translation>the side to move is b or w</translation>
    </message>
    <message>
        <source>持駒の数が多すぎます</source>
        <translation>too many pieces in hand</translation>
    </message>
    <message>
        <source>局面がありません</source>
        <translation>no position</translation>
    </message>
    <message>
        <source>SFENの欄が足りません</source>
        <translation>the SFEN has too few fields</translation>
    </message>
    <message>
        <source>盤に駒でないものがあります</source>
        <translation>the board holds something that is not a piece</translation>
    </message>
    <message>
        <source>行き所のない駒があります</source>
        <translation>a piece that could never move again</translation>
    </message>
    <message>
        <source>二歩があります</source>
        <translation>two pawns on a file</translation>
    </message>
    <message>
        <source>玉が二枚あります</source>
        <translation>two kings of one side</translation>
    </message>
    <message>
        <source>持駒の数が負です</source>
        <translation>a negative number of pieces in hand</translation>
    </message>
    <message>
        <source>駒の数が一組より多くなっています</source>
        <translation>more pieces than one set holds</translation>
    </message>
    <message>
        <source>手番でない側の玉に王手がかかっています</source>
        <translation>the king of the side not to move is in check</translation>
    </message>
    <message>
        <source>その駒で指せる手がありません</source>
        <translation>no such move for that piece</translation>
    </message>
    <message>
        <source>どの駒の手か決まりません</source>
        <translation>which piece moves is not clear</translation>
    </message>
    <message>
        <source>升が読めません</source>
        <translation>the square cannot be read</translation>
    </message>
    <message>
        <source>駒が読めません</source>
        <translation>the piece cannot be read</translation>
    </message>
    <message>
        <source>合法手</source>
        <translation>a legal move</translation>
    </message>
    <message>
        <source>%1手目 %2: 指し手が読めません</source>
        <translation>move %1, %2: the move cannot be read</translation>
    </message>
    <message>
        <source>%1手目 %2: %3</source>
        <translation>move %1, %2: %3</translation>
    </message>
    <message>
        <source>局面: %1</source>
        <translation>position: %1</translation>
    </message>
    <message>
        <source>盤面図: %1</source>
        <translation>board diagram: %1</translation>
    </message>
    <message>
        <source>指し手が読めません: %1</source>
        <translation>the move cannot be read: %1</translation>
    </message>
    <message>
        <source>手合割がわかりません: %1</source>
        <translation>unknown handicap: %1</translation>
    </message>
    <message>
        <source>駒の名が読めません: %1</source>
        <translation>unknown piece name: %1</translation>
    </message>
    <message>
        <source>升が読めません: %1</source>
        <translation>the square cannot be read: %1</translation>
    </message>
    <message>
        <source>駒落ちの指定が読めません: %1</source>
        <translation>the handicap cannot be read: %1</translation>
    </message>
    <message>
        <source>盤の駒が読めません: %1</source>
        <translation>a piece of the board cannot be read: %1</translation>
    </message>
    <message>
        <source>終局の語が読めません: %1</source>
        <translation>the word ending the game cannot be read: %1</translation>
    </message>
    <message>
        <source>読めない行です: %1</source>
        <translation>unreadable line: %1</translation>
    </message>
    <message>
        <source>駒の字ではありません: %1</source>
        <translation>not a piece letter: %1</translation>
    </message>
    <message>
        <source>成れない駒です: +%1</source>
        <translation>a piece that cannot promote: +%1</translation>
    </message>
    <message>
        <source>手数が数ではありません: %1</source>
        <translation>the move number is not a number: %1</translation>
    </message>
    <message>
        <source>余分な語があります: %1</source>
        <translation>an extra word: %1</translation>
    </message>
    <message>
        <source>読めない字があります: %1</source>
        <translation>an unreadable character: %1</translation>
    </message>
    <message>
        <source>%1の名に書けない文字があります: %2</source>
        <translation>%1&apos;s name holds a character that cannot be written: %2</translation>
    </message>
    <message>
        <source>CP932 で書けない文字があります: %1</source>
        <translation>a character CP932 cannot hold: %1</translation>
    </message>
    <message>
        <source>%1: 手番が違います</source>
        <translation>%1: not the side to move</translation>
    </message>
    <message>
        <source>%1: 移動元にその駒がありません</source>
        <translation>%1: that piece is not on the square moved from</translation>
    </message>
    <message>
        <source>%1: 成れない駒です</source>
        <translation>%1: that piece cannot promote</translation>
    </message>
    <message>
        <source>%1: 移動元がありません</source>
        <translation>%1: no square moved from</translation>
    </message>
    <message>
        <source>%1: 持駒にありません</source>
        <translation>%1: not in hand</translation>
    </message>
    <message>
        <source>%1: 打てない駒です</source>
        <translation>%1: that piece cannot be dropped</translation>
    </message>
    <message>
        <source>%1: 移動元に手番の駒がありません</source>
        <translation>%1: no piece of the side to move on the square moved from</translation>
    </message>
    <message>
        <source>%1: 移動元の駒と合いません</source>
        <translation>%1: does not match the piece moved</translation>
    </message>
    <message>
        <source>%1手目は反則(%2)のため、その前までを読み込みました</source>
        <translation>Move %1 is a foul (%2): the game was read up to the move before it</translation>
    </message>
    <message>
        <source>%1が投了しました
%2の勝ちです</source>
        <translation>%1 resigned.
%2 wins</translation>
    </message>
    <message>
        <source>連続王手の千日手です
%1の勝ちです</source>
        <translation>Fourfold repetition by continuous check.
%1 wins</translation>
    </message>
    <message>
        <source>%1の勝ちです</source>
        <translation>%1 wins</translation>
    </message>
    <message>
        <source>千日手で引き分けです</source>
        <translation>Fourfold repetition: the game is drawn</translation>
    </message>
    <message>
        <source>その手は指せません</source>
        <translation>That move cannot be played</translation>
    </message>
    <message>
        <source>二歩は反則です</source>
        <translation>A second pawn on a file is not allowed</translation>
    </message>
    <message>
        <source>行き所のない駒は反則です</source>
        <translation>A piece that could never move again is not allowed</translation>
    </message>
    <message>
        <source>王手を放置する手は指せません</source>
        <translation>You cannot leave your king in check</translation>
    </message>
    <message>
        <source>自玉に王手がかかる手は指せません</source>
        <translation>You cannot put your own king in check</translation>
    </message>
    <message>
        <source>打ち歩詰めは反則です</source>
        <translation>Mate by a pawn drop is not allowed</translation>
    </message>
    <message>
        <source>反則</source>
        <translation>Foul</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>対局中ではありません</source>
        <translation>No game is in progress</translation>
    </message>
    <message>
        <source>投了は標準ﾙｰﾙの対局でできます(ｵﾌﾟｼｮﾝ→標準ﾙｰﾙ)</source>
        <translation>Resigning is for games under standard rules (Options → Standard rules)</translation>
    </message>
    <message>
        <source>投了しますか？</source>
        <translation>Do you resign?</translation>
    </message>
    <message>
        <source>%1
ここまでの対局は記録されています</source>
        <translation>%1
The game so far is kept in the journal.</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝの指し手が読めません: %1</source>
        <translation>The engine&apos;s move cannot be read: %1</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝが反則の手を指しました: %1 (%2)</source>
        <translation>The engine played an illegal move: %1 (%2)</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝが %1 に答えません</source>
        <translation>The engine does not answer %1</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝが終了しました (%1)</source>
        <translation>The engine has stopped (%1)</translation>
    </message>
    <message>
        <source>起動できません: %1</source>
        <translation>cannot be started: %1</translation>
    </message>
    <message>
        <source>終了コード %1</source>
        <translation>exit status %1</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝが終了しました</source>
        <translation>The engine has stopped</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝの出力が読めません</source>
        <translation>The engine&apos;s output cannot be read</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝが時間内に指しません</source>
        <translation>The engine did not move in time</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝが止まりません</source>
        <translation>The engine does not stop</translation>
    </message>
    <message>
        <source>異常終了</source>
        <translation>crashed</translation>
    </message>
    <message>
        <source>出力が読めません</source>
        <translation>unreadable output</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>USIｴﾝｼﾞﾝが見つかりません
fairy-stockfish を入れるか、ｴﾝｼﾞﾝ設定で選んで下さい</source>
        <translation>No USI engine was found.
Install fairy-stockfish, or choose one in Engine settings.</translation>
    </message>
    <message>
        <source>対局の結果を記録できません
%1
%2</source>
        <translation>The result of the game cannot be kept in the journal.
%1
%2</translation>
    </message>
    <message>
        <source>ｴﾝｼﾞﾝ</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>「%1」はすでにあります。
置き換えますか？</source>
        <translation>&quot;%1&quot; already exists.
Replace it?</translation>
    </message>
    <message>
        <source>%1手目からあとは KAZEBAN だけが読める形で書き出しました
%2</source>
        <translation>Moves from move %1 on were written in a form only KAZEBAN reads.
%2</translation>
    </message>
    <message>
        <source>前回の対局</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>記録された対局がありません</source>
        <translation>No game has been kept yet</translation>
    </message>
    <message>
        <source>変化%1個を書き出していません: %2 は本譜だけを書けます</source>
        <translation>%1 variation(s) left out: %2 holds only the main line</translation>
    </message>
    <message>
        <source>終局の反則(%1手目)を書き出していません: %2 では書けません</source>
        <translation>the foul that ended the game (move %1) is left out: %2 cannot say it</translation>
    </message>
    <message>
        <source>-o と -d は一緒に指定できません</source>
        <translation>-o and -d cannot be given together</translation>
    </message>
    <message>
        <source>-d なしでは棋譜は一つだけ指定できます</source>
        <translation>only one record may be given without -d</translation>
    </message>
    <message>
        <source>フォルダがありません</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>前の棋譜がすでに%1に書かれています</source>
        <translation>an earlier record is written to %1 already</translation>
    </message>
    <message>
        <source>「%1」は共有のフォルダにある他のユーザーのリンクなので、書き込めません</source>
        <translation>"%1" is another user's link in a shared folder: it cannot be written</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>対 局 名：</source>
        <translation>Game:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>Sente:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Gote:</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File:</translation>
    </message>
</context>
</TS>
