<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Album</name>
    <message>
        <source>写真を見て思ったこと。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>の写真</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすると、このコを探しに行くと決めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>友だちの写真です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>俺がちょっと気になっていたコは…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Answer</name>
    <message>
        <source>返事は…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>彼女への返事を、下の五つから選びます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返事%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この言葉で返事をします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Campus</name>
    <message>
        <source>さて、初めはどこに行こうかな。それとも、ここにじっとしていようか…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セーブできませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>さて、どこに行こうかな。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ここではゲームの中断はできません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora を終了します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次回、続きを遊ぶために、データをセーブしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（セーブしないと次回、続きができません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームを続けます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックするか、キーを押すと先へ進みます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>場面の絵</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今いる場面の絵。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時計。五時に校門が閉まります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歩いている自分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動中のしるし。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>話している人の名前。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>台詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>台詞と地の文。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックを待っている合図。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>携帯電話の画面。親友からのメール。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームは止まっています。クリックするか、キーを押すと続きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今いる場所です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ここから歩いて%1分かかります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ここからは直接行けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一時停止

クリックするか、
キーを押すと続きます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>着いたけど、誰もいないようだ。誰か来るまで待っていようかな。それとも、他の場所に行こうか。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>携帯電話のメール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校舎のあいだを歩く自分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五時の校門</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>花の咲く河原</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックしてください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会話データ %1 が壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この会話はここで終わります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>しゃべらずに無視をしていたら、彼女は行ってしまった。悪いことをしたな。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>彼女は用事を思い出したらしく、どこかへ行ってしまった。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1へ行く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1まで歩きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校門の%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【移動中】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1に向かって歩きだしたけど、はたして閉門時刻に間に合うだろうか。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1に向かって歩きだした。あそこまでは%2分くらいかかる。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>音楽に使う General MIDI サウンドフォント (SF2)。読み込めないときは標準のサウンドフォントを使います。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面の倍率 (1〜3)。指定しないときは設定の値、それもなければ画面に収まるいちばん大きな倍率になります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語: ja（日本語）または en（English）。指定しないときは設定の値、初めての起動ではデスクトップのロケールに従います。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音楽なしで遊びます（Shift を押しながら「S t a r t」をクリックしたときと同じ）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セーブを書き、差し替えのファイルを探す実行フォルダ。なければ作ります。インストールしたゲームでは標準で $XDG_DATA_HOME/velmora3 です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velmora3: コマンドラインの指定が正しくありません: %1
使い方は velmora3 --help で表示されます。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang %1 (ja か en)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale %1 (1〜%2 の整数)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
セーブは今のフォルダ %1 に書きます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataRoom</name>
    <message>
        <source>データルームの説明。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>お知らせを見ます。一定数クリアすると押せます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリアの記録をすべて消します。消す前に確かめます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタートメニューに戻ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;クリアした順番に、上から並んでいます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;「告白」、「両想い」の両方をクリアした場合は、「両想い」マークがつきます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;一定数クリアすると、下の「オプションセット」ボタンが有効になります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;全てのクリアデータを消去したいときは、データ消去ボタンを押してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>告白</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>両想い</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>テキスト履歴 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc・クリック・一番下でホイールを下へ：閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テキスト履歴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームの始めから表示された文章。新しいものが一番下にあります</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Logo</name>
    <message>
        <source>ロゴの年。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>跳ねるキャラクター</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メーカーのロゴ。Shift などを押すとジングルを止めます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>校舎Ａ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【校舎Ａ：屋上】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校舎Ｂ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【校舎Ｂ：教室】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校&#x3000;庭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【校庭】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体育館</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【体育館】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【プール】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【テニスコート】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自然園</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【自然園】 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>スクリーンショットを保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ %1 を作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スクリーンショットを %1 に保存しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクの空きが足りません（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ %1 に書き込む権限がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ %1 は読み取り専用のディスクにあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 に書き込めません（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前やクリアの記録などの設定を保存できません。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
このまま遊べますが、次に起動したときには残っていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前にセーブできない文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セーブデータ %1 が見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 はこのゲームのセーブデータではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セーブデータ %1 が壊れています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（途中で切れています）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1 行目が数字ではありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1 行目の %2 は %3 から %4 の範囲にありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1 行目が読めません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その字は名簿に書けないんだ。別の字にしてくれよ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前に , や &quot; は使えないんだ。書き直してくれよ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前の前後に空白が入ってるぞ。詰めて書いてくれよ。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>設定 -Velmora 3rd STORY-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>消音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面に合わせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全画面で遊ぶ (F11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音楽の音量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 から 100 まで。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音楽を消す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果音の音量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果音を消す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面の大きさ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームを何倍の大きさで描くか。全画面では画面に合わせます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドフォント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音楽を鳴らす音色のファイル。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語 (Language)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語 / English。すぐに切り替わります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全画面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F11 でも切り替えます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc でも閉じます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このサウンドフォントは読み込めませんでした。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StaffRoll</name>
    <message>
        <source>スタッフロールの絵</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>思い出の場面。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>担当。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタッフの名前。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CG(人物)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CG(背景)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プログラミング</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>想い出の提供</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スーパーバイザ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>企画</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>製作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>また&#x3000;遊んでね。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <source>よう！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>おはよう！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>こんにちは！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>みょうじ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なまえ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ちゃんと入力した方が、あとで楽しいよ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>両方入力できたら、クリックしてね。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あなたのみょうじ（姓）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あなたのなまえ（名）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この名前でゲームを始めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セーブしたデータを読み込んで、続きを始めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>友だちの紹介。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定 (F10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音量、画面の大きさ、サウンドフォント、全画面を決めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今日は何して遊ぶんだい？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>俺はアルバム委員なんだ！名簿を作るから、君の名前をここに記入してくれ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ありゃ？前回の記録がないなぁ。ちゃんとセーブしたのかよ？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>じゃぁ、データを読み込むぞ。ゲームを途中でやめるときは、ちゃんとセーブしろよ。セーブを忘れると、次回続きが出来ないからな。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ここは、一度でもゲームを最後まで終わらせない限り、見せるわけにはいかねぇんだ。悪ぃな。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>おい、ふざけてないで、ちゃんと書いてくれよ！俺、泣いちゃうぞ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その名前じゃ長すぎて、名簿に書ききれないよ。もう少し短くしてくれ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルはそのまま残してあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あれ？データが壊れてるみたいだぞ。ファイルはそのまま残しておいたからな。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しくはじめる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の続き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データルーム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を書いて、新しいゲームを始めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セーブしたゲームの続きを遊びます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリアした女の子の一覧を見ます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Korvane 2000 「Velmora 3rd STORY」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトルの大きな３。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトルの続き。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作った人たち。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームを始めます。Shift か Ctrl か Alt を押しながらだと、音楽なしで遊びます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
