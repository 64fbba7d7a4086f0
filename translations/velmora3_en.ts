<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Album</name>
    <message>
        <source>写真を見て思ったこと。</source>
        <translation>What I thought, looking at the photos.</translation>
    </message>
    <message>
        <source>クリックすると、このコを探しに行くと決めます。</source>
        <translation>Click to decide she is the one you go looking for.</translation>
    </message>
    <message>
        <source>友だちの写真です。</source>
        <translation>A photo of a friend.</translation>
    </message>
    <message>
        <source>俺がちょっと気になっていたコは…</source>
        <translation>The girl I kind of had my eye on was...</translation>
    </message>
    <message>
        <source>%1の写真</source>
        <translation>%1&apos;s photo</translation>
    </message>
</context>
<context>
    <name>Answer</name>
    <message>
        <source>返事は…</source>
        <translation>Your answer...</translation>
    </message>
    <message>
        <source>彼女への返事を、下の五つから選びます。</source>
        <translation>Choose your answer to her from the five below.</translation>
    </message>
    <message>
        <source>返事%1</source>
        <translation>Answer %1</translation>
    </message>
    <message>
        <source>この言葉で返事をします。</source>
        <translation>Answer her with these words.</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>&#x3000;%1</source>
        <translation> %1</translation>
    </message>
    <message>
        <source>Velmora 3rd STORY Serif</source>
        <translation>Velmora 3rd STORY Your Line</translation>
    </message>
</context>
<context>
    <name>Campus</name>
    <message>
        <source>さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…</source>
        <translation>So, where should I go first? Or should I just stay put right here...</translation>
    </message>
    <message>
        <source>セーブできませんでした。</source>
        <translation>The game could not be saved.</translation>
    </message>
    <message>
        <source>さて、どこに行こうかな。</source>
        <translation>So, where should I go?</translation>
    </message>
    <message>
        <source>ここではゲームの中断はできません</source>
        <translation>You cannot stop the game here.</translation>
    </message>
    <message>
        <source>Velmora を終了します。</source>
        <translation>Velmora will now close.</translation>
    </message>
    <message>
        <source>次回、続きを遊ぶために、データをセーブしますか？</source>
        <translation>Save the game so that you can go on next time?</translation>
    </message>
    <message>
        <source>（セーブしないと次回、続きができません）</source>
        <translation>(Without saving, you cannot go on next time.)</translation>
    </message>
    <message>
        <source>ゲームを続けます。</source>
        <translation>The game goes on.</translation>
    </message>
    <message>
        <source>クリックするか、キーを押すと先へ進みます。</source>
        <translation>Click or press a key to read on.</translation>
    </message>
    <message>
        <source>場面の絵</source>
        <translation>Scene picture</translation>
    </message>
    <message>
        <source>今いる場面の絵。</source>
        <translation>The picture of the scene you are in.</translation>
    </message>
    <message>
        <source>時計。五時に校門が閉まります。</source>
        <translation>The clock. The school gate closes at five.</translation>
    </message>
    <message>
        <source>歩いている自分</source>
        <translation>You, walking</translation>
    </message>
    <message>
        <source>移動中のしるし。</source>
        <translation>Shows that you are on your way.</translation>
    </message>
    <message>
        <source>話している人の名前。</source>
        <translation>The name of the person speaking.</translation>
    </message>
    <message>
        <source>台詞</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>台詞と地の文。</source>
        <translation>What is said, and the story around it.</translation>
    </message>
    <message>
        <source>クリックを待っている合図。</source>
        <translation>Shows that the game is waiting for a click.</translation>
    </message>
    <message>
        <source>携帯電話の画面。親友からのメール。</source>
        <translation>The phone screen: messages from your best friend.</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>ゲームは止まっています。クリックするか、キーを押すと続きます。</source>
        <translation>The game is paused. Click or press a key to go on.</translation>
    </message>
    <message>
        <source>今いる場所です。</source>
        <translation>You are here.</translation>
    </message>
    <message>
        <source>ここから歩いて%1分かかります。</source>
        <translation>It is a %1-minute walk from here.</translation>
    </message>
    <message>
        <source>ここからは直接行けません。</source>
        <translation>You cannot go there directly from here.</translation>
    </message>
    <message>
        <source>一時停止

クリックするか、
キーを押すと続きます</source>
        <translation>Paused

Click or press
a key to go on</translation>
    </message>
    <message>
        <source>着いたけど、誰もいないようだ。誰か来るまで待っていようかな。それとも、他の場所に行こうか。</source>
        <translation>I got here, but nobody seems to be around. Should I wait until someone shows up? Or go somewhere else?</translation>
    </message>
    <message>
        <source>携帯電話のメール</source>
        <translation>A message on the phone</translation>
    </message>
    <message>
        <source>校舎のあいだを歩く自分</source>
        <translation>Walking between the school buildings</translation>
    </message>
    <message>
        <source>五時の校門</source>
        <translation>The school gate at five</translation>
    </message>
    <message>
        <source>花の咲く河原</source>
        <translation>The riverbank in bloom</translation>
    </message>
    <message>
        <source>クリックしてください</source>
        <translation>Please click</translation>
    </message>
    <message>
        <source>会話データ %1 が壊れています。</source>
        <translation>The conversation file %1 is damaged.</translation>
    </message>
    <message>
        <source>この会話はここで終わります。</source>
        <translation>This conversation ends here.</translation>
    </message>
    <message>
        <source>しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。</source>
        <translation>I just stood there without a word, and she left. That was mean of me.</translation>
    </message>
    <message>
        <source>彼女は用事を思い出したらしく、どこかへ行ってしまった。</source>
        <translation>She seemed to remember something she had to do, and went off somewhere.</translation>
    </message>
    <message>
        <source>%1へ行く</source>
        <translation>Go to %1</translation>
    </message>
    <message>
        <source>%1まで歩きます。</source>
        <translation>Walk to %1.</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 at %1</translation>
    </message>
    <message>
        <source>校門の%1</source>
        <translation>%1 at the school gate</translation>
    </message>
    <message>
        <source>【移動中】 -Velmora 3rd STORY-</source>
        <translation>[On the way] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>%1に向かって歩きだしたけど、はたして閉門時刻に間に合うだろうか。</source>
        <translation>I headed for %1, but will I make it before the gate closes?</translation>
    </message>
    <message>
        <source>%1に向かって歩きだした。あそこまでは%2分くらいかかる。</source>
        <translation>I headed for %1. It&apos;s about a %2-minute walk.</translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>Closing</name>
    <message>
        <source>%1先輩…</source>
        <translation>Senpai...</translation>
    </message>
    <message>
        <source>%1君…</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>女の子の声</source>
        <translation>A girl&apos;s voice</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>音楽に使う General MIDI サウンドフォント (SF2)。読み込めないときは標準のサウンドフォントを使います。</source>
        <translation>The General MIDI soundfont (SF2) for the music. One that cannot be read gives way to the standard soundfont.</translation>
    </message>
    <message>
        <source>画面の倍率 (1〜3)。指定しないときは設定の値、それもなければ画面に収まるいちばん大きな倍率になります。</source>
        <translation>The scale of the game (1 to 3). Without it the setting is used, and without that the largest scale that fits the screen.</translation>
    </message>
    <message>
        <source>言語: ja（日本語）または en（English）。指定しないときは設定の値、初めての起動ではデスクトップのロケールに従います。</source>
        <translation>The language: ja (日本語) or en (English). Without it the setting is used; at the first start, the desktop&apos;s locale.</translation>
    </message>
    <message>
        <source>音楽なしで遊びます（Shift を押しながら「S t a r t」をクリックしたときと同じ）。</source>
        <translation>Play without music (as clicking &quot;S t a r t&quot; with Shift held does).</translation>
    </message>
    <message>
        <source>セーブを書き、差し替えのファイルを探す実行フォルダ。なければ作ります。インストールしたゲームでは標準で $XDG_DATA_HOME/velmora3 です。</source>
        <translation>The folder the game saves in and looks in for replacement files; made if missing. An installed game uses $XDG_DATA_HOME/velmora3 by default.</translation>
    </message>
    <message>
        <source>velmora3: コマンドラインの指定が正しくありません: %1
使い方は velmora3 --help で表示されます。
</source>
        <translation>velmora3: the command line is not right: %1
velmora3 --help shows how to use it.
</translation>
    </message>
    <message>
        <source>--lang %1 (ja か en)</source>
        <translation>--lang %1 (ja or en)</translation>
    </message>
    <message>
        <source>--scale %1 (1〜%2 の整数)</source>
        <translation>--scale %1 (a whole number from 1 to %2)</translation>
    </message>
    <message>
        <source><byte value="xd"/>
セーブは今のフォルダ %1 に書きます。</source>
        <translation><byte value="xd"/>
The game will save in the current folder, %1.</translation>
    </message>
</context>
<context>
    <name>DataRoom</name>
    <message>
        <source>データルームの説明。</source>
        <translation>How the data room works.</translation>
    </message>
    <message>
        <source>お知らせを見ます。一定数クリアすると押せます。</source>
        <translation>Shows a message. It opens once you have won enough girls.</translation>
    </message>
    <message>
        <source>クリアの記録をすべて消します。消す前に確かめます。</source>
        <translation>Clears every win from the record. Asks first.</translation>
    </message>
    <message>
        <source>スタートメニューに戻ります。</source>
        <translation>Back to the start menu.</translation>
    </message>
    <message>
        <source>&#x3000;クリアした順番に、上から並んでいます。</source>
        <translation>The girls are listed from the top, in the order you won them.</translation>
    </message>
    <message>
        <source>&#x3000;「告白」、「両想い」の両方をクリアした場合は、「両想い」マークがつきます。</source>
        <translation>Win a girl both ways, and she gets the &quot;Mutual&quot; mark.</translation>
    </message>
    <message>
        <source>&#x3000;一定数クリアすると、下の「オプションセット」ボタンが有効になります。</source>
        <translation>Once you have won enough, the &quot;Options&quot; button below opens.</translation>
    </message>
    <message>
        <source>&#x3000;全てのクリアデータを消去したいときは、データ消去ボタンを押してください。</source>
        <translation>To clear every win from the record, press the Clear button.</translation>
    </message>
    <message>
        <source>全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？</source>
        <translation>This clears all the data (back to no girl won at all)! Are you sure?</translation>
    </message>
    <message>
        <source>告白</source>
        <translation>Crush</translation>
    </message>
    <message>
        <source>両想い</source>
        <translation>Mutual</translation>
    </message>
    <message>
        <source>データルーム</source>
        <translation>Data Room</translation>
    </message>
    <message>
        <source>ゲームのアイコン</source>
        <translation>The game&apos;s icon</translation>
    </message>
    <message>
        <source>クリアした女の子&#x3000;一覧表</source>
        <translation>The girls you have won</translation>
    </message>
    <message>
        <source>%1のマーク</source>
        <translation>%1 mark</translation>
    </message>
    <message>
        <source>一覧のしるしの意味。</source>
        <translation>What the marks in the list mean.</translation>
    </message>
    <message>
        <source>空いている欄</source>
        <translation>Empty row</translation>
    </message>
    <message>
        <source>%1の顔</source>
        <translation>%1&apos;s face</translation>
    </message>
    <message>
        <source>%1番目にクリアした女の子の顔。</source>
        <translation>The face of girl number %1 you won.</translation>
    </message>
    <message>
        <source>%1番目のクリアのしるし。</source>
        <translation>The mark of win number %1.</translation>
    </message>
    <message>
        <source>%1番目にクリアした女の子の名前。</source>
        <translation>The name of girl number %1 you won.</translation>
    </message>
    <message>
        <source>オプションセット</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>データ消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>実行フォルダ %1 にありません</source>
        <translation>not in the run-time folder %1</translation>
    </message>
    <message>
        <source>実行フォルダ %1 にもデータフォルダ %2 にもありません</source>
        <translation>neither in the run-time folder %1 nor in the data folder %2</translation>
    </message>
    <message>
        <source>velmora3: ファイル %1 が見つかりません（%2）。
</source>
        <translation>velmora3: the file %1 is missing (%2).
</translation>
    </message>
    <message>
        <source>実行フォルダ %1 はフォルダではなくファイルです。</source>
        <translation>The run-time folder %1 is a file, not a folder.</translation>
    </message>
    <message>
        <source>実行フォルダ %1 を作れません（書き込みが許されていないか、ディスクが読み込み専用です）。</source>
        <translation>The run-time folder %1 cannot be made (writing there is not allowed, or the disk is read-only).</translation>
    </message>
    <message>
        <source>実行フォルダ %1 に入れません（開くことが許されていません）。</source>
        <translation>The run-time folder %1 cannot be entered (opening it is not allowed).</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>テキスト履歴 -Velmora 3rd STORY-</source>
        <translation>The day&apos;s lines -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>Esc・クリック・一番下でホイールを下へ：閉じる</source>
        <translation>Esc, a click, or the wheel down at the bottom: close</translation>
    </message>
    <message>
        <source>テキスト履歴</source>
        <translation>The day&apos;s lines</translation>
    </message>
    <message>
        <source>ゲームの始めから表示された文章。新しいものが一番下にあります</source>
        <translation>Every line shown since the game began. The newest is at the bottom</translation>
    </message>
</context>
<context>
    <name>Logo</name>
    <message>
        <source>ロゴの年。</source>
        <translation>The year of the logo.</translation>
    </message>
    <message>
        <source>跳ねるキャラクター</source>
        <translation>Bouncing character</translation>
    </message>
    <message>
        <source>メーカーのロゴ。Shift などを押すとジングルを止めます。</source>
        <translation>The maker&apos;s logo. Press Shift or another key to stop the jingle.</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>校舎Ａ</source>
        <translation>Bldg. A</translation>
    </message>
    <message>
        <source>【校舎Ａ：屋上】 -Velmora 3rd STORY-</source>
        <translation>[Building A: Rooftop] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>校舎Ｂ</source>
        <translation>Bldg. B</translation>
    </message>
    <message>
        <source>【校舎Ｂ：教室】 -Velmora 3rd STORY-</source>
        <translation>[Building B: Classroom] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>校&#x3000;庭</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>【校庭】 -Velmora 3rd STORY-</source>
        <translation>[Schoolyard] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>体育館</source>
        <translation>Gym</translation>
    </message>
    <message>
        <source>【体育館】 -Velmora 3rd STORY-</source>
        <translation>[Gymnasium] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>プール</source>
        <translation>Pool</translation>
    </message>
    <message>
        <source>【プール】 -Velmora 3rd STORY-</source>
        <translation>[Pool] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>コート</source>
        <translation>Courts</translation>
    </message>
    <message>
        <source>【テニスコート】 -Velmora 3rd STORY-</source>
        <translation>[Tennis Courts] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>自然園</source>
        <translation>Garden</translation>
    </message>
    <message>
        <source>【自然園】 -Velmora 3rd STORY-</source>
        <translation>[Nature Garden] -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>校舎Ａ</source>
        <comment>in a line</comment>
        <translation>Building A</translation>
    </message>
    <message>
        <source>校舎Ｂ</source>
        <comment>in a line</comment>
        <translation>Building B</translation>
    </message>
    <message>
        <source>校&#x3000;庭</source>
        <comment>in a line</comment>
        <translation>the schoolyard</translation>
    </message>
    <message>
        <source>体育館</source>
        <comment>in a line</comment>
        <translation>the gym</translation>
    </message>
    <message>
        <source>プール</source>
        <comment>in a line</comment>
        <translation>the pool</translation>
    </message>
    <message>
        <source>コート</source>
        <comment>in a line</comment>
        <translation>the tennis courts</translation>
    </message>
    <message>
        <source>自然園</source>
        <comment>in a line</comment>
        <translation>the nature garden</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>スクリーンショットを保存できませんでした。</source>
        <translation>The screenshot could not be saved.</translation>
    </message>
    <message>
        <source>フォルダ %1 を作れません。</source>
        <translation>The folder %1 cannot be made.</translation>
    </message>
    <message>
        <source>スクリーンショットを %1 に保存しました。</source>
        <translation>Screenshot saved to %1.</translation>
    </message>
    <message>
        <source>ディスクの空きが足りません（%1）。</source>
        <translation>There is not enough room on the disk (%1).</translation>
    </message>
    <message>
        <source>フォルダ %1 に書き込む権限がありません。</source>
        <translation>You may not write in the folder %1.</translation>
    </message>
    <message>
        <source>フォルダ %1 は読み取り専用のディスクにあります。</source>
        <translation>The folder %1 is on a read-only disk.</translation>
    </message>
    <message>
        <source>%1 に書き込めません（%2）。</source>
        <translation>%1 cannot be written (%2).</translation>
    </message>
    <message>
        <source>名前やクリアの記録などの設定を保存できません。<byte value="xd"/>
</source>
        <translation>The settings, such as your name and the record of wins, cannot be saved.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
このまま遊べますが、次に起動したときには残っていません。</source>
        <translation><byte value="xd"/>
You can play on, but they will be gone the next time you start.</translation>
    </message>
    <message>
        <source>名前にセーブできない文字が含まれています。</source>
        <translation>The name has characters that cannot be saved.</translation>
    </message>
    <message>
        <source>セーブデータ %1 が見つかりません。</source>
        <translation>The save file %1 is not there.</translation>
    </message>
    <message>
        <source>%1 はこのゲームのセーブデータではありません。</source>
        <translation>%1 is not a save file of this game.</translation>
    </message>
    <message>
        <source>セーブデータ %1 が壊れています</source>
        <translation>The save file %1 is damaged</translation>
    </message>
    <message>
        <source>（途中で切れています）。</source>
        <translation> (it is cut short).</translation>
    </message>
    <message>
        <source>（%1 行目が数字ではありません）。</source>
        <translation> (line %1 is not a number).</translation>
    </message>
    <message>
        <source>（%1 行目の %2 は %3 から %4 の範囲にありません）。</source>
        <translation> (%2 on line %1 is not between %3 and %4).</translation>
    </message>
    <message>
        <source>（%1 行目が読めません）。</source>
        <translation> (line %1 cannot be read).</translation>
    </message>
    <message>
        <source>その字は名簿に書けないんだ。別の字にしてくれよ。</source>
        <translation>I can&apos;t write that character in the roster. Use a different one, okay?</translation>
    </message>
    <message>
        <source>名前に , や &quot; は使えないんだ。書き直してくれよ。</source>
        <translation>A name can&apos;t have , or &quot; in it. Write it again, okay?</translation>
    </message>
    <message>
        <source>名前の前後に空白が入ってるぞ。詰めて書いてくれよ。</source>
        <translation>There&apos;s a space before or after your name. Close it up, okay?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>設定 -Velmora 3rd STORY-</source>
        <translation>Settings -Velmora 3rd STORY-</translation>
    </message>
    <message>
        <source>消音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>画面に合わせる</source>
        <translation>Fit the screen</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>全画面で遊ぶ (F11)</source>
        <translation>Full screen (F11)</translation>
    </message>
    <message>
        <source>自動読み上げ (F8)</source>
        <translation>Read aloud (F8)</translation>
    </message>
    <message>
        <source>自動読み上げ</source>
        <translation>Read aloud</translation>
    </message>
    <message>
        <source>ゲームが台詞や選んでいるものを声で読み上げます。F8 でも切り替えます。</source>
        <translation>The game reads its lines and whatever you select aloud. F8 turns it on and off too.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>音楽の音量</source>
        <translation>Music volume</translation>
    </message>
    <message>
        <source>0 から 100 まで。</source>
        <translation>From 0 to 100.</translation>
    </message>
    <message>
        <source>音楽を消す</source>
        <translation>Mute the music</translation>
    </message>
    <message>
        <source>効果音の音量</source>
        <translation>Sound volume</translation>
    </message>
    <message>
        <source>効果音を消す</source>
        <translation>Mute the sounds</translation>
    </message>
    <message>
        <source>画面の大きさ</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>ゲームを何倍の大きさで描くか。全画面では画面に合わせます。</source>
        <translation>How many times its size the game is drawn. Full screen fits the screen.</translation>
    </message>
    <message>
        <source>サウンドフォント</source>
        <translation>Soundfont</translation>
    </message>
    <message>
        <source>音楽を鳴らす音色のファイル。</source>
        <translation>The file of instruments that plays the music.</translation>
    </message>
    <message>
        <source>言語 (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>日本語 / English。すぐに切り替わります。</source>
        <translation>日本語 / English. Switches at once.</translation>
    </message>
    <message>
        <source>全画面</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>F11 でも切り替えます。</source>
        <translation>F11 switches it too.</translation>
    </message>
    <message>
        <source>Esc でも閉じます。</source>
        <translation>Esc closes it too.</translation>
    </message>
    <message>
        <source>このサウンドフォントは読み込めませんでした。<byte value="xd"/>
</source>
        <translation>This soundfont could not be read.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>StaffRoll</name>
    <message>
        <source>スタッフロールの絵</source>
        <translation>Staff roll picture</translation>
    </message>
    <message>
        <source>思い出の場面。</source>
        <translation>A scene to remember.</translation>
    </message>
    <message>
        <source>担当。</source>
        <translation>The role.</translation>
    </message>
    <message>
        <source>スタッフの名前。</source>
        <translation>The staff&apos;s names.</translation>
    </message>
    <message>
        <source>CG(人物)</source>
        <translation>CG (Characters)</translation>
    </message>
    <message>
        <source>CG(背景)</source>
        <translation>CG (Backgrounds)</translation>
    </message>
    <message>
        <source>プログラミング</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>想い出の提供</source>
        <translation>Memories by</translation>
    </message>
    <message>
        <source>スーパーバイザ</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>企画</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>製作</source>
        <translation>Production</translation>
    </message>
    <message>
        <source>また&#x3000;遊んでね。</source>
        <translation>Come play again!</translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <source>よう！</source>
        <translation>Hey!</translation>
    </message>
    <message>
        <source>おはよう！</source>
        <translation>Morning!</translation>
    </message>
    <message>
        <source>こんにちは！</source>
        <translation>Hi there!</translation>
    </message>
    <message>
        <source>みょうじ</source>
        <translation>Family name</translation>
    </message>
    <message>
        <source>なまえ</source>
        <translation>Given name</translation>
    </message>
    <message>
        <source>ちゃんと入力した方が、あとで楽しいよ。</source>
        <translation>Type it properly; it&apos;s more fun later.</translation>
    </message>
    <message>
        <source>両方入力できたら、クリックしてね。</source>
        <translation>Click once you have filled in both.</translation>
    </message>
    <message>
        <source>あなたのみょうじ（姓）。</source>
        <translation>Your family name (surname). </translation>
    </message>
    <message>
        <source>あなたのなまえ（名）。</source>
        <translation>Your given name (first name). </translation>
    </message>
    <message>
        <source>この名前でゲームを始めます。</source>
        <translation>Start the game with this name.</translation>
    </message>
    <message>
        <source>セーブしたデータを読み込んで、続きを始めます。</source>
        <translation>Load the saved game and go on from there.</translation>
    </message>
    <message>
        <source>友だちの紹介。</source>
        <translation>Who your friend is.</translation>
    </message>
    <message>
        <source>設定 (F10)</source>
        <translation>Settings (F10)</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>音量、画面の大きさ、サウンドフォント、全画面を決めます。</source>
        <translation>Volume, scale, soundfont and full screen.</translation>
    </message>
    <message>
        <source>今日は何して遊ぶんだい？</source>
        <translation>So, what are we playing today?</translation>
    </message>
    <message>
        <source>俺はアルバム委員なんだ！名簿を作るから、君の名前をここに記入してくれ。</source>
        <translation>I&apos;m on the yearbook committee! Write your name in here for the roster.</translation>
    </message>
    <message>
        <source>ありゃ？前回の記録がないなぁ。ちゃんとセーブしたのかよ？</source>
        <translation>Huh? There&apos;s no record of last time. Did you really save?</translation>
    </message>
    <message>
        <source>じゃぁ、データを読み込むぞ。ゲームを途中でやめるときは、ちゃんとセーブしろよ。セーブを忘れると、次回続きが出来ないからな。</source>
        <translation>Okay, loading your data. Save when you quit halfway, got it? Forget, and you can&apos;t go on next time.</translation>
    </message>
    <message>
        <source>ここは、一度でもゲームを最後まで終わらせない限り、見せるわけにはいかねぇんだ。悪ぃな。</source>
        <translation>Not until you&apos;ve played the game to the end at least once. Sorry, man.</translation>
    </message>
    <message>
        <source>おい、ふざけてないで、ちゃんと書いてくれよ！俺、泣いちゃうぞ。</source>
        <translation>Hey, quit fooling around and write it properly! You&apos;ll make me cry.</translation>
    </message>
    <message>
        <source>その名前じゃ長すぎて、名簿に書ききれないよ。もう少し短くしてくれ。</source>
        <translation>That name&apos;s too long to fit in the roster. Make it a bit shorter.</translation>
    </message>
    <message>
        <source>ファイルはそのまま残してあります。</source>
        <translation>The file has been left as it was.</translation>
    </message>
    <message>
        <source>あれ？データが壊れてるみたいだぞ。ファイルはそのまま残しておいたからな。</source>
        <translation>Huh? Your data looks broken. I left the file as it was, okay?</translation>
    </message>
    <message>
        <source>新しくはじめる</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>前回の続き</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>データルーム</source>
        <translation>Data Room</translation>
    </message>
    <message>
        <source>名前を書いて、新しいゲームを始めます。</source>
        <translation>Write your name and start a new game.</translation>
    </message>
    <message>
        <source>セーブしたゲームの続きを遊びます。</source>
        <translation>Go on with the saved game.</translation>
    </message>
    <message>
        <source>クリアした女の子の一覧を見ます。</source>
        <translation>See the list of girls you have won.</translation>
    </message>
    <message>
        <source>友だちの吹き出し。</source>
        <translation>Your friend&apos;s speech balloon.</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Korvane 2000 「Velmora 3rd STORY」</source>
        <translation>Korvane 2000 &quot;Velmora 3rd STORY&quot;</translation>
    </message>
    <message>
        <source>タイトルの大きな３。</source>
        <translation>The big 3 of the title.</translation>
    </message>
    <message>
        <source>タイトルの続き。</source>
        <translation>The rest of the title.</translation>
    </message>
    <message>
        <source>作った人たち。</source>
        <translation>The people who made it.</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ゲームを始めます。Shift か Ctrl か Alt を押しながらだと、音楽なしで遊びます。</source>
        <translation>Starts the game. Hold Shift, Ctrl or Alt to play without music.</translation>
    </message>
</context>
</TS>
