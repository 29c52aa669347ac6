<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>CFileHandling</name>
    <message>
        <source>パス名が無効です。</source>
        <translation>The path name is not valid.</translation>
    </message>
    <message>
        <source>エラーメッセージは 「 </source>
        <translation>The error message was “ </translation>
    </message>
    <message>
        <source> 」でした。</source>
        <translation> ”.</translation>
    </message>
    <message>
        <source>エラーは「 </source>
        <translation>The error was “ </translation>
    </message>
    <message>
        <source>で予期せぬエラーが発生しました。<byte value="xd"/>
</source>
        <translation>: an unexpected error occurred.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。 </source>
        <translation>The file was not found. </translation>
    </message>
    <message>
        <source>ファイルを削除できません。 </source>
        <translation>The file cannot be deleted. </translation>
    </message>
    <message>
        <source>既に同じ名前のファイルまたはフォルダがあります。 </source>
        <translation>A file or folder of that name already exists. </translation>
    </message>
    <message>
        <source>パスが見つかりません。 </source>
        <translation>The path was not found. </translation>
    </message>
    <message>
        <source>フォルダを作成できません。 </source>
        <translation>The folder cannot be made. </translation>
    </message>
    <message>
        <source>ファイル名なし</source>
        <translation>No file name</translation>
    </message>
    <message>
        <source>一致するファイルが %1 個を超えています。</source>
        <translation>More than %1 files match.</translation>
    </message>
</context>
<context>
    <name>CZelkController</name>
    <message>
        <source>] 変更あり</source>
        <translation>] changed</translation>
    </message>
    <message>
        <source>視点の角度[%1° , %2°]</source>
        <translation>View angle [%1° , %2°]</translation>
    </message>
    <message>
        <source>エクスポートしました：</source>
        <translation>Exported: </translation>
    </message>
    <message>
        <source>エクスポートできませんでした。<byte value="xd"/>
</source>
        <translation>The figure could not be exported.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>モデルを読み込んでいます…<byte value="xd"/>
</source>
        <translation>Reading the model…<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 秒</source>
        <translation><byte value="xd"/>
%1 s</translation>
    </message>
    <message>
        <source>インポートできませんでした。<byte value="xd"/>
</source>
        <translation>The model could not be imported.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>問題が見つかりません。<byte value="xd"/>
</source>
        <translation>No exercises were found.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>データに変更がありますが、続けますか？</source>
        <translation>The figure has changes. Go on?</translation>
    </message>
    <message>
        <source>問題「%1」：三つの図と同じ立体を描いて「答え合わせ」を押してください。</source>
        <translation>Exercise “%1”: draw the solid of the three views, then press “Check the Answer”.</translation>
    </message>
    <message>
        <source>答え合わせをするには、まず「練習」の「問題を選ぶ…」で問題を選んでください。</source>
        <translation>To check an answer, first choose an exercise with Practice → Choose an Exercise….</translation>
    </message>
    <message>
        <source>正解です。（答えを見たので、解けた記録にはなりません。）</source>
        <translation>Right. (The answer was shown, so this is not recorded as solved.)</translation>
    </message>
    <message>
        <source>正解です！&#x3000;かかった時間 %1</source>
        <translation>Right! Time taken: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
別解です：三つの図は同じですが、立体は問題の図形と違います。</source>
        <translation><byte value="xd"/>
Another answer: the three views are the same, but the solid differs from the exercise&apos;s.</translation>
    </message>
    <message>
        <source>まだ違います。</source>
        <translation>Not yet.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1：足りない線 %2 本、余分な線 %3 本</source>
        <translation><byte value="xd"/>
%1: %2 lines missing, %3 lines extra</translation>
    </message>
    <message>
        <source><byte value="xd"/>
（記録を保存できませんでした：%1）</source>
        <translation><byte value="xd"/>
(The progress could not be saved: %1)</translation>
    </message>
    <message>
        <source>答え合わせ</source>
        <translation>Check the Answer</translation>
    </message>
    <message>
        <source>ヒントは練習問題を解いているときに使えます。</source>
        <translation>Hints are there while you solve an exercise.</translation>
    </message>
    <message>
        <source>ヒント：赤い線があなたの図形の見え方です。もう一度押すと消えます。</source>
        <translation>Hint: the red lines are how your figure looks. Press again to hide them.</translation>
    </message>
    <message>
        <source>ヒントを消しました。</source>
        <translation>The hint is hidden.</translation>
    </message>
    <message>
        <source>答えは練習問題を解いているときに見られます。</source>
        <translation>The answer can be shown while you solve an exercise.</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>Show the Answer</translation>
    </message>
    <message>
        <source>問題「%1」の立体です。（この問題は、今回は解けた記録になりません。）</source>
        <translation>The solid of exercise “%1”. (This time the exercise is not recorded as solved.)</translation>
    </message>
    <message>
        <source>問題にできませんでした。<byte value="xd"/>
</source>
        <translation>The figure could not be made an exercise.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>この図形を問題にしました。「問題を選ぶ…」の「%1」にあります。<byte value="xd"/>
%2</source>
        <translation>The figure is now an exercise. It is under “%1” in Choose an Exercise….<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>！警告！&#x3000;編集中のデータがなくなりますが、処理を続けますか？</source>
        <translation>Warning! The figure being edited will be lost. Go on?</translation>
    </message>
    <message>
        <source>！警告！&#x3000;既にあるデータを上書きしようとしています。保存しているデータがなくなりますが、処理を続けますか？</source>
        <translation>Warning! This replaces an existing file. The data saved in it will be lost. Go on?</translation>
    </message>
    <message>
        <source>線の数が上限の %1 本に達しています。これ以上線を追加すると保存できなくなるため、線は追加されませんでした。</source>
        <translation>The figure already has the most lines a file can keep (%1). The line was not added, so that the figure can still be saved.</translation>
    </message>
    <message>
        <source>読み込んだファイルの %1 本の線は、長さ0・重複・数値の不足のため取り込みませんでした。</source>
        <translation>%1 lines of the file were left out (no length, drawn twice, or numbers missing).</translation>
    </message>
    <message>
        <source>エラーが発生しました。データは正しく保存されませんでした。<byte value="xd"/>
エラーの内容は「ファイルに書き込めませんでした。」です。<byte value="xd"/>
<byte value="xd"/>
ファイルネームを次のように復旧します。<byte value="xd"/>
</source>
        <translation>An error occurred. The figure was not saved correctly.<byte value="xd"/>
The error: “The file could not be written.”<byte value="xd"/>
<byte value="xd"/>
The file name is restored to:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>データは保存されませんでした。</source>
        <translation>The figure was not saved.</translation>
    </message>
    <message>
        <source>エラーです。ファイル名を元の状態に復旧します。</source>
        <translation>Error. The file name is restored as it was.</translation>
    </message>
    <message>
        <source>線 %1 / %2 【 %3 , %4 , %5 】-【 %6 , %7 , %8 】</source>
        <translation>Line %1 / %2 [ %3 , %4 , %5 ]-[ %6 , %7 , %8 ]</translation>
    </message>
    <message>
        <source>前回異常終了したようです。%1を読み込みます。</source>
        <translation>The program did not end normally last time. Opening %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
ほかにも復旧できるファイルがあります（最近使ったファイルから開けます）：</source>
        <translation><byte value="xd"/>
More files can be recovered (open them from the recent files):</translation>
    </message>
    <message>
        <source>さあ、立体ゼルクをはじめましょう！   &lt;</source>
        <translation>Let&apos;s start zelk!   &lt;</translation>
    </message>
    <message>
        <source>立体ゼルクを終了しますか？</source>
        <translation>Quit zelk?</translation>
    </message>
    <message>
        <source>エラーが発生しました。Autosaveファイルの削除は正常に行われなかった可能性があります。</source>
        <translation>An error occurred. The autosave file may not have been removed.</translation>
    </message>
    <message>
        <source>設定ファイルに書き込めませんでした。<byte value="xd"/>
</source>
        <translation>The settings file could not be written.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
今回の設定は保存されません。</source>
        <translation><byte value="xd"/>
This session&apos;s settings are not kept.</translation>
    </message>
    <message>
        <source>現在のデータに関する情報<byte value="xd"/>
<byte value="xd"/>
ファイル名 </source>
        <translation>About the current figure<byte value="xd"/>
<byte value="xd"/>
File name </translation>
    </message>
    <message>
        <source><byte value="xd"/>
コメント   </source>
        <translation><byte value="xd"/>
Comment   </translation>
    </message>
    <message>
        <source><byte value="xd"/>
線の本数   </source>
        <translation><byte value="xd"/>
Lines     </translation>
    </message>
    <message>
        <source>データの保存されているフォルダにデータ名のフォルダを作り、<byte value="xd"/>
その中にANIME001.bmp～ANIME036.bmpとして出力します。<byte value="xd"/>
オプションで、データの保存先を固定している場合は、固<byte value="xd"/>
定されたデータ保存先にアニメーションが出力します。<byte value="xd"/>
<byte value="xd"/>
GIFアニメ化は、市販のグラフィックツールをご利用ください。</source>
        <translation>A folder named after the figure is made in the data folder,<byte value="xd"/>
and the frames are written into it as ANIME001.bmp to ANIME036.bmp.<byte value="xd"/>
When the data folder is kept fixed in the options, the<byte value="xd"/>
animation goes into that folder.<byte value="xd"/>
<byte value="xd"/>
To make an animated GIF, use Export (GIF) or a graphics program.</translation>
    </message>
    <message>
        <source>アニメーションの画像を保存できませんでした。<byte value="xd"/>
</source>
        <translation>The animation frames could not be saved.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>アニメーションの画像 36 枚を書き出しました：</source>
        <translation>The 36 frames of the animation were written: </translation>
    </message>
    <message>
        <source>_ANIME001.bmp ～ _ANIME036.bmp</source>
        <translation>_ANIME001.bmp to _ANIME036.bmp</translation>
    </message>
    <message>
        <source>印刷機能は現在テスト段階のため正常に機能しないかもしれません。印刷枚数の設定にはご注意ください。</source>
        <translation>Printing is still being tested and may not work as expected. Mind the number of copies.</translation>
    </message>
    <message>
        <source>印刷できませんでした。プリンタの設定を確かめてください。</source>
        <translation>Nothing could be printed. Check the printer&apos;s settings.</translation>
    </message>
    <message>
        <source>閲覧モードです。</source>
        <translation>Viewing mode.</translation>
    </message>
    <message>
        <source>作図モードです。</source>
        <translation>Drawing mode.</translation>
    </message>
    <message>
        <source>英語の翻訳ファイルが見つかりません。日本語のままにします。</source>
        <translation>The English translation was not found; the texts stay Japanese.</translation>
    </message>
    <message>
        <source>ポインタの位置 【 %1 , %2 , %3 】</source>
        <translation>Pointer at [ %1 , %2 , %3 ]</translation>
    </message>
    <message>
        <source>ポインタの位置 ( %1 , %2 , %3 ) -【 %4 , %5 , %6 】</source>
        <translation>Pointer at ( %1 , %2 , %3 ) -[ %4 , %5 , %6 ]</translation>
    </message>
    <message>
        <source>線の追加</source>
        <translation>Add Line</translation>
    </message>
    <message>
        <source>線の削除</source>
        <translation>Delete Line</translation>
    </message>
    <message>
        <source>表示の言語を日本語にしました。</source>
        <translation>The texts are in English now.</translation>
    </message>
    <message>
        <source>前回の保存が途中で止まっていたため、このファイルを保存前の内容に戻しました。</source>
        <translation>The last save of this file was cut short: its content from before that save has been put back.</translation>
    </message>
    <message>
        <source>このファイルはコメントの行のあとにも行が続いています。保存が途中で止まり、壊れている可能性があります。</source>
        <translation>This file has more lines after its comment line. A save may have been cut short and the file may be damaged.</translation>
    </message>
    <message>
        <source>前回異常終了したときの作業が %1 に残っています（ファイルを指定せずに起動すると読み込みます）。</source>
        <translation>Work from a run that ended abnormally is waiting in %1 (start without a file to recover it).</translation>
    </message>
    <message>
        <source>前回の保存が途中で止まっていたため、%1 を保存前の内容に戻しました。</source>
        <translation>A save was cut short last time: %1 has been put back as it was before that save.</translation>
    </message>
    <message>
        <source>いまは練習問題を解いていません。</source>
        <translation>No exercise is being solved now.</translation>
    </message>
    <message>
        <source>練習「%1」を終えました。</source>
        <translation>The exercise “%1” has ended.</translation>
    </message>
    <message>
        <source>線が 3 本より少ない図形は問題にできません。</source>
        <translation>A figure of fewer than 3 lines cannot be made an exercise.</translation>
    </message>
    <message>
        <source>同じ問題があります：%1</source>
        <translation>The same exercise exists already: %1</translation>
    </message>
    <message>
        <source>%1 自作%2</source>
        <translation>%1, own %2</translation>
    </message>
    <message>
        <source>この図形を問題にする</source>
        <translation>Make This Figure an Exercise</translation>
    </message>
    <message>
        <source>問題の名前：</source>
        <translation>Name of the exercise:</translation>
    </message>
    <message>
        <source>問題「%1」の前の答えを開きました。</source>
        <translation>Your earlier answer to “%1” is open.</translation>
    </message>
    <message>
        <source>問題発生！</source>
        <translation>A problem occurred!</translation>
    </message>
    <message>
        <source>&#x3000;が削除できませんでした。</source>
        <translation> could not be deleted.</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>record</translation>
    </message>
    <message>
        <source>表（カンマ区切り） (*.csv)</source>
        <translation>Table, comma-separated (*.csv)</translation>
    </message>
    <message>
        <source>成績を書き出せませんでした。<byte value="xd"/>
</source>
        <translation>The record could not be written.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>成績を書き出しました：</source>
        <translation>Record written: </translation>
    </message>
    <message>
        <source>このレベルの問題が見つかりません。</source>
        <translation>No exercises of this level were found.</translation>
    </message>
    <message>
        <source>問題用紙_%1</source>
        <translation>worksheet_%1</translation>
    </message>
    <message>
        <source>問題用紙を書き出せませんでした。<byte value="xd"/>
</source>
        <translation>The worksheet could not be written.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>問題用紙を書き出しました（%1 問）：</source>
        <translation>Worksheet written (%1 exercises): </translation>
    </message>
    <message>
        <source>問題「%1」：%2できたら「答え合わせ」を押してください。</source>
        <translation>Exercise &quot;%1&quot;: %2 When it is done, press &quot;Check&quot;.</translation>
    </message>
    <message>
        <source>見本は練習問題を解いているときに見られます。</source>
        <translation>The model can be seen while you solve an exercise.</translation>
    </message>
    <message>
        <source>この問題の見本は三面図です（見本の立体が答えです）。</source>
        <translation>This exercise&apos;s model is its drawings (the model solid is the answer).</translation>
    </message>
    <message>
        <source>問題「%1」の見本の立体です。
%2</source>
        <translation>The model solid of exercise &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>見本</source>
        <translation>Model</translation>
    </message>
    <message>
        <source><byte value="xd"/>
別解です：あなたの右側面図は模範解答と違いますが、正面図と平面図が合っていれば正解です。右側面図の欄に両方を示しました（黒：模範解答、赤：あなたの図）。</source>
        <translation><byte value="xd"/>
Another answer: your right side view differs from the model answer&apos;s, but a solid whose front and top views agree is right. The right side pane shows both (black: the model answer, red: yours).</translation>
    </message>
    <message>
        <source>軸の色：X 水色、Y 黄色、Z 緑（ボタンの色と同じ）。</source>
        <translation> Axis colours: X light blue, Y yellow, Z green (as on the buttons).</translation>
    </message>
</context>
<context>
    <name>CZelkDataFileIOStratety_Ver100</name>
    <message>
        <source>ファイルが見つかりません。<byte value="xd"/>
</source>
        <translation>The file was not found.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。<byte value="xd"/>
</source>
        <translation>This is not a regular file; it cannot be read.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込めません（図形ファイルは %1 MB までです）。<byte value="xd"/>
</source>
        <translation>The file is too large to be read (a figure file is at most %1 MB).<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。<byte value="xd"/>
</source>
        <translation>The file cannot be read.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ファイルにこれ以上データがありません。</source>
        <translation>The file has no more data.</translation>
    </message>
    <message>
        <source>型が一致しません。(線の数: &quot;%1&quot;)<byte value="xd"/>
</source>
        <translation>Type mismatch. (number of lines: &quot;%1&quot;)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>オーバーフローしました。(線の数 %1 は上限 32767 を超えています)<byte value="xd"/>
</source>
        <translation>Overflow. (%1 lines is more than the limit of 32767)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>オーバーフローしました。(線の数 %1 は 32767 を超えています)</source>
        <translation>Overflow. (%1 lines is more than 32767)</translation>
    </message>
    <message>
        <source>ファイルに書き込めません。<byte value="xd"/>
</source>
        <translation>The file cannot be written.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>データ読み込みエラー</source>
        <translation>Error reading the data</translation>
    </message>
    <message>
        <source>データ書き込みエラー</source>
        <translation>Error writing the data</translation>
    </message>
</context>
<context>
    <name>CZelkProController</name>
    <message>
        <source>線の挿入</source>
        <translation>Insert Line</translation>
    </message>
    <message>
        <source>線を加えられませんでした：</source>
        <translation>The line could not be added: </translation>
    </message>
    <message>
        <source>始点の X</source>
        <translation>Start X</translation>
    </message>
    <message>
        <source>始点の Y</source>
        <translation>Start Y</translation>
    </message>
    <message>
        <source>始点の Z</source>
        <translation>Start Z</translation>
    </message>
    <message>
        <source>終点の X</source>
        <translation>End X</translation>
    </message>
    <message>
        <source>終点の Y</source>
        <translation>End Y</translation>
    </message>
    <message>
        <source>終点の Z</source>
        <translation>End Z</translation>
    </message>
    <message>
        <source>%1 座標「%2」が数ではありません。</source>
        <translation>%1 coordinate “%2” is not a number.</translation>
    </message>
    <message>
        <source>始点と終点が同じです（長さ 0 の線）。</source>
        <translation>The start and the end are the same (a line of no length).</translation>
    </message>
    <message>
        <source>線は %1 本までです。</source>
        <translation>A figure holds at most %1 lines.</translation>
    </message>
    <message>
        <source>線として読めませんでした。</source>
        <translation>This could not be read as a line.</translation>
    </message>
    <message>
        <source>エラー、または削除されませんでした。</source>
        <translation>An error, or nothing was deleted.</translation>
    </message>
    <message>
        <source>線の削除</source>
        <translation>Delete Line</translation>
    </message>
    <message>
        <source>削除完了</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>%1 番目の線と同じ線です。</source>
        <translation>It is the same line as line %1.</translation>
    </message>
    <message>
        <source>%1 番目の線を削除しようとしています。<byte value="xd"/>
本当によろしいですか？</source>
        <translation>Line %1 is about to be deleted.<byte value="xd"/>
Are you sure?</translation>
    </message>
</context>
<context>
    <name>DrawingSheet</name>
    <message>
        <source>等角図</source>
        <translation>Isometric view</translation>
    </message>
    <message>
        <source>ファイル名：</source>
        <translation>File name: </translation>
    </message>
    <message>
        <source>（無題）</source>
        <translation>(untitled)</translation>
    </message>
    <message>
        <source>日付：</source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>尺度 </source>
        <translation>Scale </translation>
    </message>
    <message>
        <source>（単位 mm）</source>
        <translation> (unit mm)</translation>
    </message>
    <message>
        <source>第三角法&#x3000;立体ゼルク</source>
        <translation>Third-angle projection  zelk</translation>
    </message>
</context>
<context>
    <name>DxfReader</name>
    <message>
        <source>DXF ファイルとして読めませんでした。</source>
        <translation>The file could not be read as DXF.</translation>
    </message>
</context>
<context>
    <name>ExchangeFormats</name>
    <message>
        <source>三面図と等角図の図面 SVG (*.svg)</source>
        <translation>Drawing of the three views and the isometric view, SVG (*.svg)</translation>
    </message>
    <message>
        <source>いまのビュー SVG (*.svg)</source>
        <translation>The current view, SVG (*.svg)</translation>
    </message>
    <message>
        <source>いまのビュー PNG 等倍 (*.png)</source>
        <translation>The current view, PNG actual size (*.png)</translation>
    </message>
    <message>
        <source>いまのビュー PNG 2倍 (*.png)</source>
        <translation>The current view, PNG twice the size (*.png)</translation>
    </message>
    <message>
        <source>いまのビュー PNG 4倍 (*.png)</source>
        <translation>The current view, PNG four times the size (*.png)</translation>
    </message>
    <message>
        <source>回転アニメーション GIF (*.gif)</source>
        <translation>Turning animation, GIF (*.gif)</translation>
    </message>
    <message>
        <source>3D モデル (%1);;すべてのファイル (*)</source>
        <translation>3D models (%1);;All files (*)</translation>
    </message>
</context>
<context>
    <name>ExerciseLibrary</name>
    <message>
        <source>フォルダ %1 を作れません。</source>
        <translation>The folder %1 cannot be made.</translation>
    </message>
    <message>
        <source>%1 第%2問</source>
        <translation>%1, exercise %2</translation>
    </message>
    <message>
        <source>%1 %2 第%3問</source>
        <translation>%1 %2 No. %3</translation>
    </message>
    <message>
        <source>自分の問題</source>
        <translation>My own exercises</translation>
    </message>
</context>
<context>
    <name>ExerciseProgress</name>
    <message>
        <source>解けた %1</source>
        <translation>solved %1</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>解けた</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>答え合わせの回数</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>最短の時間（秒）</source>
        <translation>Best time (s)</translation>
    </message>
    <message>
        <source>初めて解けた日</source>
        <translation>First solved on</translation>
    </message>
</context>
<context>
    <name>ExerciseTask</name>
    <message>
        <source>三面図から立体</source>
        <translation>Views to solid</translation>
    </message>
    <message>
        <source>欠けた図</source>
        <translation>Missing view</translation>
    </message>
    <message>
        <source>回転</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>鏡映</source>
        <translation>Reflection</translation>
    </message>
    <message>
        <source>回す向き：軸の先から見て反時計回りが正（右手の親指を軸の向きに向けたとき、ほかの指が曲がる向き）。</source>
        <translation>The direction of a turn: positive is anticlockwise seen from the tip of the axis (the way the fingers of the right hand curl with the thumb along the axis).</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>left and right</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>top and bottom</translation>
    </message>
    <message>
        <source>前後</source>
        <translation>front and back</translation>
    </message>
    <message>
        <source>三つの図（第三角法）から立体を読み取り、その立体を作りなさい。</source>
        <translation>Read the solid from its three views (third-angle projection) and build it.</translation>
    </message>
    <message>
        <source>正面図と平面図に合う立体を作りなさい。右側面図は自分で考えます。</source>
        <translation>Build a solid that has this front view and top view. Work out the right side view yourself.</translation>
    </message>
    <message>
        <source>%1 軸のまわりに %2° 回</source>
        <translation>Build the solid turned %2° about the %1 axis</translation>
    </message>
    <message>
        <source>、次に %1 軸のまわりに %2° 回</source>
        <translation> then %2° about the %1 axis</translation>
    </message>
    <message>
        <source>し</source>
        <translation>,</translation>
    </message>
    <message>
        <source>した形を作りなさい。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>青い一点鎖線の鏡の面（%1を入れかえる面）に映した形を作りなさい。</source>
        <translation>Build the mirror image of the solid in the mirror plane (blue chain line), which swaps %1.</translation>
    </message>
</context>
<context>
    <name>ExerciseViews</name>
    <message>
        <source>面がわからないため、隠れた線も実線で描いています。</source>
        <translation>The faces are unknown: hidden edges are drawn solid too.</translation>
    </message>
    <message>
        <source>鏡</source>
        <translation>mirror</translation>
    </message>
    <message>
        <source>鏡の面はこの図と平行です。</source>
        <translation>The mirror plane is parallel to this view.</translation>
    </message>
    <message>
        <source>この図は自分で考えます。</source>
        <translation>Work out this view yourself.</translation>
    </message>
</context>
<context>
    <name>FigureEdit</name>
    <message>
        <source>新しい図</source>
        <translation>New Figure</translation>
    </message>
</context>
<context>
    <name>FigureExporter</name>
    <message>
        <source>ビューがありません。</source>
        <translation>There is no view.</translation>
    </message>
    <message>
        <source>PNG 画像を作れませんでした。</source>
        <translation>The PNG picture could not be made.</translation>
    </message>
</context>
<context>
    <name>FigureImporter</name>
    <message>
        <source>%1 本の線分を取り込みました（重複 %2 本をまとめ、長さ 0 の %3 本を除きました）</source>
        <translation>%1 segments were imported (%2 doubles joined, %3 of no length left out)</translation>
    </message>
    <message>
        <source>。線にならないものは除きました：</source>
        <translation>. What makes no line was left out: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>GifFormat</name>
    <message>
        <source>画像がありません。</source>
        <translation>There are no pictures.</translation>
    </message>
    <message>
        <source>画像の大きさがそろっていません。</source>
        <translation>The pictures are not all of one size.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>立体ゼルク ヘルプ</source>
        <translation>zelk Help</translation>
    </message>
    <message>
        <source>&lt;p&gt;ヘルプファイルが見つかりません。&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;The help file was not found.&lt;/p&gt;&lt;p&gt;</translation>
    </message>
</context>
<context>
    <name>ImportJob</name>
    <message>
        <source>倍率が正しくありません（0 より大きく %1 以下の数にしてください）。</source>
        <translation>The scale is not valid (give a number above 0 and at most %1).</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。</source>
        <translation>This is not a regular file; it cannot be read.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込めません。</source>
        <translation>The file is too large to be read.</translation>
    </message>
    <message>
        <source>ファイルを開けません（%1）。</source>
        <translation>The file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>読み込みのためのプログラムを起動できませんでした（%1）。</source>
        <translation>The reading program could not be started (%1).</translation>
    </message>
    <message>
        <source>インポートを中止しました。</source>
        <translation>The import was cancelled.</translation>
    </message>
    <message>
        <source>読み込みに時間がかかりすぎるため中止しました（%1 秒）。</source>
        <translation>Reading took too long and was stopped (%1 s).</translation>
    </message>
    <message>
        <source>このファイルの読み込みには、許された量（%1 MB）より多くのメモリが必要です。読み込みを中止しました。</source>
        <translation>Reading this file needs more memory than allowed (%1 MB). Reading was stopped.</translation>
    </message>
    <message>
        <source>3D モデルとして読み込めませんでした（読み込み中に異常終了しました）。</source>
        <translation>The file could not be read as a 3D model (the reader ended abnormally).</translation>
    </message>
    <message>
        <source>3D モデルとして読み込めませんでした（読み込みの答えが壊れています）。</source>
        <translation>The file could not be read as a 3D model (the reader&apos;s answer is damaged).</translation>
    </message>
    <message>
        <source>線分が見つかりませんでした。</source>
        <translation>No segments were found.</translation>
    </message>
    <message>
        <source>インポート：</source>
        <translation>Import: </translation>
    </message>
</context>
<context>
    <name>LevelTable</name>
    <message>
        <source>初級</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>中級</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>上級</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>特級</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>超特級</source>
        <translation>Master</translation>
    </message>
</context>
<context>
    <name>MenuTable</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>読込み(&amp;L)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>サムネイル表示</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>データファイル情報</source>
        <translation>Figure File Information</translation>
    </message>
    <message>
        <source>ぱらぱらアニメーション作成</source>
        <translation>Make Flip-Book Animation</translation>
    </message>
    <message>
        <source>インポート…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>エクスポート…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>作図</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>新規図面</source>
        <translation>New Figure</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>連続回転表示</source>
        <translation>Keep Turning</translation>
    </message>
    <message>
        <source>正面図</source>
        <translation>Front View</translation>
    </message>
    <message>
        <source>平面図</source>
        <translation>Top View</translation>
    </message>
    <message>
        <source>右側面図</source>
        <translation>Right Side View</translation>
    </message>
    <message>
        <source>等角図</source>
        <translation>Isometric View</translation>
    </message>
    <message>
        <source>三角法表示</source>
        <translation>Third-Angle Projection</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>操作の難易度</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>さらに細かい設定</source>
        <translation>More Settings</translation>
    </message>
    <message>
        <source>画面の大きさ</source>
        <translation>Window Size</translation>
    </message>
    <message>
        <source>詳細入力モード</source>
        <translation>Detailed Input</translation>
    </message>
    <message>
        <source>作図を許可</source>
        <translation>Allow Drawing</translation>
    </message>
    <message>
        <source>データの保存を許可</source>
        <translation>Allow Saving</translation>
    </message>
    <message>
        <source>データの保存場所固定</source>
        <translation>Keep the Data Folder</translation>
    </message>
    <message>
        <source>練習(&amp;R)</source>
        <translation>P&amp;ractice</translation>
    </message>
    <message>
        <source>問題を選ぶ…</source>
        <translation>Choose an Exercise…</translation>
    </message>
    <message>
        <source>答え合わせ</source>
        <translation>Check the Answer</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>答えを見る</source>
        <translation>Show the Answer</translation>
    </message>
    <message>
        <source>この図形を問題にする</source>
        <translation>Make This Figure an Exercise</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>立体ゼルクの終了</source>
        <translation>Quit zelk</translation>
    </message>
    <message>
        <source>図形データの読み込み</source>
        <translation>Open a figure file</translation>
    </message>
    <message>
        <source>図形データの保存</source>
        <translation>Save the figure</translation>
    </message>
    <message>
        <source>作図モードと通常モードの切り替えボタン</source>
        <translation>Switch between drawing mode and normal mode</translation>
    </message>
    <message>
        <source>今までの図を消して新しい図を描く</source>
        <translation>Clear the figure and draw a new one</translation>
    </message>
    <message>
        <source>図を大きくする</source>
        <translation>Make the figure larger</translation>
    </message>
    <message>
        <source>図を小さくする</source>
        <translation>Make the figure smaller</translation>
    </message>
    <message>
        <source>図を回転し続けさせる</source>
        <translation>Keep the figure turning</translation>
    </message>
    <message>
        <source>回転を止める</source>
        <translation>Stop turning</translation>
    </message>
    <message>
        <source>正面図を表示</source>
        <translation>Show the front view</translation>
    </message>
    <message>
        <source>平面図を表示</source>
        <translation>Show the top view</translation>
    </message>
    <message>
        <source>右側面図を表示</source>
        <translation>Show the right side view</translation>
    </message>
    <message>
        <source>等角図を表示</source>
        <translation>Show the isometric view</translation>
    </message>
    <message>
        <source>三角法で図形を表示します。</source>
        <translation>Shows the figure in third-angle projection.</translation>
    </message>
    <message>
        <source>元に戻す (Ctrl+U)</source>
        <translation>Undo (Ctrl+U)</translation>
    </message>
    <message>
        <source>やり直し (Ctrl+R)</source>
        <translation>Redo (Ctrl+R)</translation>
    </message>
    <message>
        <source>答え合わせ（練習問題の答えを調べる）</source>
        <translation>Check the answer (of the exercise)</translation>
    </message>
    <message>
        <source>図を上に回す</source>
        <translation>Turn the figure up</translation>
    </message>
    <message>
        <source>図を左に回す</source>
        <translation>Turn the figure left</translation>
    </message>
    <message>
        <source>図を右に回す</source>
        <translation>Turn the figure right</translation>
    </message>
    <message>
        <source>図を下に回す</source>
        <translation>Turn the figure down</translation>
    </message>
    <message>
        <source>ポインタを X のプラス方向へ 1 ステップ動かす</source>
        <translation>Move the pointer one step towards plus X</translation>
    </message>
    <message>
        <source>ポインタを X のマイナス方向へ 1 ステップ動かす</source>
        <translation>Move the pointer one step towards minus X</translation>
    </message>
    <message>
        <source>ポインタを Y のプラス方向へ 1 ステップ動かす</source>
        <translation>Move the pointer one step towards plus Y</translation>
    </message>
    <message>
        <source>ポインタを Y のマイナス方向へ 1 ステップ動かす</source>
        <translation>Move the pointer one step towards minus Y</translation>
    </message>
    <message>
        <source>ポインタを Z のプラス方向へ 1 ステップ動かす</source>
        <translation>Move the pointer one step towards plus Z</translation>
    </message>
    <message>
        <source>ポインタを Z のマイナス方向へ 1 ステップ動かす</source>
        <translation>Move the pointer one step towards minus Z</translation>
    </message>
    <message>
        <source>ポインタを原点に戻す</source>
        <translation>Return the pointer to the origin</translation>
    </message>
    <message>
        <source>最後の線を取り消す</source>
        <translation>Take back the last line</translation>
    </message>
    <message>
        <source>ポインタの位置を決定する（線の始点・終点）</source>
        <translation>Fix the pointer (a line&apos;s start or end)</translation>
    </message>
    <message>
        <source>ポインタを X のプラス方向へ 10 ステップ動かす</source>
        <translation>Move the pointer ten steps towards plus X</translation>
    </message>
    <message>
        <source>ポインタを Y のプラス方向へ 10 ステップ動かす</source>
        <translation>Move the pointer ten steps towards plus Y</translation>
    </message>
    <message>
        <source>ポインタを Z のプラス方向へ 10 ステップ動かす</source>
        <translation>Move the pointer ten steps towards plus Z</translation>
    </message>
    <message>
        <source>ポインタを X のマイナス方向へ 10 ステップ動かす</source>
        <translation>Move the pointer ten steps towards minus X</translation>
    </message>
    <message>
        <source>ポインタを Y のマイナス方向へ 10 ステップ動かす</source>
        <translation>Move the pointer ten steps towards minus Y</translation>
    </message>
    <message>
        <source>ポインタを Z のマイナス方向へ 10 ステップ動かす</source>
        <translation>Move the pointer ten steps towards minus Z</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>新しい線</source>
        <translation>New Line</translation>
    </message>
    <message>
        <source>原点</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>戻す</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>練習を終える</source>
        <translation>End the Exercise</translation>
    </message>
    <message>
        <source>成績を書き出す…</source>
        <translation>Export Record…</translation>
    </message>
    <message>
        <source>問題用紙…</source>
        <translation>Worksheet…</translation>
    </message>
    <message>
        <source>見本を見る…</source>
        <translation>See the Model…</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>3D モデルとして読み込めませんでした（形式が違うか、壊れています）。</source>
        <translation>The file could not be read as a 3D model (another format, or damaged).</translation>
    </message>
    <message>
        <source>点だけのモデルです（線も面もありません）。</source>
        <translation>The model has points only (no lines, no faces).</translation>
    </message>
    <message>
        <source>線分が %1 本を超えるため取り込めません（図形の上限です）。</source>
        <translation>More than %1 segments: the model cannot be imported (the most a figure holds).</translation>
    </message>
    <message>
        <source>線分が見つかりませんでした。</source>
        <translation>No segments were found.</translation>
    </message>
    <message>
        <source>モデルが、そのフォルダーの外にあるファイル（%1）を読もうとしたため、読み込みませんでした。</source>
        <translation>The model was not imported: it tries to read a file outside its own folder (%1).</translation>
    </message>
    <message>
        <source>モデルが、通常のファイルではないもの（%1）を読もうとしたため、読み込みませんでした。</source>
        <translation>The model was not imported: it tries to read something that is not a regular file (%1).</translation>
    </message>
    <message>
        <source>モデルの入れ子が深すぎるため読み込めません（階層が多すぎます）。</source>
        <translation>The model is nested too deeply to be read (too many levels).</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;ファイル名：&#x3000;</source>
        <translation>       File name:  </translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;コメント&#x3000;：&#x3000;</source>
        <translation>       Comment  :  </translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>エクスポート</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>インポート</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>インポートの設定</source>
        <translation>Import settings</translation>
    </message>
    <message>
        <source>×1（1 単位を 1 mm として）</source>
        <translation>×1 (one unit is 1 mm)</translation>
    </message>
    <message>
        <source>×10（1 単位を 1 cm として）</source>
        <translation>×10 (one unit is 1 cm)</translation>
    </message>
    <message>
        <source>×1000（1 単位を 1 m として）</source>
        <translation>×1000 (one unit is 1 m)</translation>
    </message>
    <message>
        <source>いちばん小さい角を原点 (0, 0, 0) に移す</source>
        <translation>Move the smallest corner to the origin (0, 0, 0)</translation>
    </message>
    <message>
        <source>Z 軸が上のモデル（CAD・Blender など）：Z を上（Y）に向ける</source>
        <translation>A model with Z up (CAD, Blender …): turn Z up (to Y)</translation>
    </message>
    <message>
        <source>座標の倍率</source>
        <translation>Scale of the coordinates</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>問題を選ぶ</source>
        <translation>Choose an Exercise</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation> </translation>
    </message>
    <message>
        <source>
（矢印キーかマウスで回せます）</source>
        <translation>
(Turn it with the arrow keys or the mouse.)</translation>
    </message>
    <message>
        <source>%1&#x3000;解けた数 %2 / %3</source>
        <translation>%1 — solved %2 / %3</translation>
    </message>
    <message>
        <source>前の答えを開く</source>
        <translation>Open My Earlier Answer</translation>
    </message>
    <message>
        <source>立体ゼルク</source>
        <translation>Zelk</translation>
    </message>
</context>
<context>
    <name>StandardViews</name>
    <message>
        <source>正面図</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>平面図</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>右側面図</source>
        <translation>Right side</translation>
    </message>
</context>
<context>
    <name>StlStream</name>
    <message>
        <source>STL の頂点が読めません：</source>
        <translation>An STL vertex cannot be read: </translation>
    </message>
    <message>
        <source>STL に面がありません。</source>
        <translation>The STL file has no faces.</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>ファイルまたはフォルダーがありません</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>アクセスが許可されていません</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>操作が許可されていません</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>読み取り専用のファイルシステムです</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>No space left on the disk</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限に達しています</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>フォルダーです</source>
        <translation>Is a folder</translation>
    </message>
    <message>
        <source>途中の名前がフォルダーではありません</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>この種類のファイルには使えません</source>
        <translation>Not possible with this kind of file</translation>
    </message>
    <message>
        <source>入出力エラーが起きました</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>シンボリックリンクが多すぎるか、循環しています</source>
        <translation>Too many symbolic links, or a loop of them</translation>
    </message>
    <message>
        <source>同じ名前のファイルが既にあります</source>
        <translation>A file of that name already exists</translation>
    </message>
    <message>
        <source>ほかのプログラムが使用中です</source>
        <translation>In use by another program</translation>
    </message>
    <message>
        <source>ファイルが使用中です</source>
        <translation>The file is in use</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>システム全体で開いているファイルが多すぎます</source>
        <translation>Too many open files in the system</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>別のファイルシステムへは移せません</source>
        <translation>Cannot move to another file system</translation>
    </message>
    <message>
        <source>一時的に使えません</source>
        <translation>Temporarily unavailable</translation>
    </message>
    <message>
        <source>処理が中断されました</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>ネットワーク上のファイルが見えなくなりました</source>
        <translation>The network file is no longer available</translation>
    </message>
    <message>
        <source>装置がありません</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>時間切れになりました</source>
        <translation>Timed out</translation>
    </message>
    <message>
        <source>フォルダーが空ではありません</source>
        <translation>The folder is not empty</translation>
    </message>
    <message>
        <source>この操作には対応していません</source>
        <translation>Operation not supported</translation>
    </message>
    <message>
        <source>システムのエラー %1（%2）</source>
        <translation>System error %1 (%2)</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>超簡易3D editor 立体ゼルク Version 3.3</source>
        <translation>Super-simple 3D editor zelk Version 3.3</translation>
    </message>
    <message>
        <source>立体ゼルクデータファイル(*.zlk);;すべてのファイル(*.*)</source>
        <translation>zelk figure files (*.zlk);;All files (*.*)</translation>
    </message>
    <message>
        <source>&#x3000;最短 %1</source>
        <translation>&#x3000;best %1</translation>
    </message>
    <message>
        <source>&#x3000;答え合わせ %1 回</source>
        <translation>&#x3000;checks %1</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>問題がありません。</source>
        <translation>There are no exercises.</translation>
    </message>
    <message>
        <source>立体ゼルク 問題用紙</source>
        <translation>zelk worksheet</translation>
    </message>
    <message>
        <source>立体ゼルク 問題用紙&#x3000;&#x3000;名前：</source>
        <translation>zelk worksheet    Name:</translation>
    </message>
    <message>
        <source>問題 %1&#x3000;%2</source>
        <translation>Exercise %1  %2</translation>
    </message>
    <message>
        <source>三つの図（第三角法）から立体を読み取り、右上の枠に見取り図をかきなさい。</source>
        <translation>Read the solid from its three views (third-angle projection) and sketch it in the box at the top right.</translation>
    </message>
    <message>
        <source>見取り図</source>
        <translation>Sketch</translation>
    </message>
    <message>
        <source>解答</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>右上の枠に見取り図をかきなさい。</source>
        <translation> Sketch it in the box at the top right.</translation>
    </message>
    <message>
        <source>問題の種類を読めません。</source>
        <translation>The kind of exercise cannot be read.</translation>
    </message>
</context>
<context>
    <name>ZelkStates</name>
    <message>
        <source>初級&#x3000;Step20mm&#x3000;MAX 100mm</source>
        <translation>Beginner  Step 20 mm  Max 100 mm</translation>
    </message>
    <message>
        <source>中級&#x3000;Step10mm&#x3000;MAX 200mm</source>
        <translation>Intermediate  Step 10 mm  Max 200 mm</translation>
    </message>
    <message>
        <source>上級&#x3000;Step10mm&#x3000;MAX1000mm</source>
        <translation>Advanced  Step 10 mm  Max 1000 mm</translation>
    </message>
    <message>
        <source>特級&#x3000;Step 5mm&#x3000;MAX1000mm</source>
        <translation>Expert  Step 5 mm  Max 1000 mm</translation>
    </message>
    <message>
        <source>超特級&#x3000;Step 1mm&#x3000;Max1000mm</source>
        <translation>Master  Step 1 mm  Max 1000 mm</translation>
    </message>
    <message>
        <source>モバイル用(800×400)</source>
        <translation>Mobile (800×400)</translation>
    </message>
    <message>
        <source>ノーマル(640×480)</source>
        <translation>Normal (640×480)</translation>
    </message>
    <message>
        <source>拡張１(800×600)</source>
        <translation>Larger 1 (800×600)</translation>
    </message>
    <message>
        <source>拡張２(1024×768)</source>
        <translation>Larger 2 (1024×768)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>画像ファイルを読み込めませんでした。<byte value="xd"/>
</source>
        <translation>The picture file could not be read.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPreView</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>再表示</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Open</translation>
    </message>
    <message>
        <source> 【サムネイル】</source>
        <translation> [Thumbnails]</translation>
    </message>
    <message>
        <source>現在のデータ保存先 【 </source>
        <translation>Data folder [ </translation>
    </message>
    <message>
        <source> 】</source>
        <translation> ]</translation>
    </message>
    <message>
        <source> 現在 &lt; </source>
        <translation> Now reading &lt; </translation>
    </message>
    <message>
        <source> &gt; を読み込み中です。</source>
        <translation> &gt;.</translation>
    </message>
    <message>
        <source>ERROR! データファイル</source>
        <translation>ERROR! The figure file </translation>
    </message>
    <message>
        <source>は破損しています。<byte value="xd"/>
 エラーの内容は「 </source>
        <translation> is damaged.<byte value="xd"/>
 The error: “ </translation>
    </message>
    <message>
        <source> 」でした。</source>
        <translation> ”.</translation>
    </message>
</context>
<context>
    <name>frmZelkWin</name>
    <message>
        <source>%1の %2 座標</source>
        <translation>%2 coordinate of the %1</translation>
    </message>
    <message>
        <source>始点</source>
        <translation>start</translation>
    </message>
    <message>
        <source>終点</source>
        <translation>end</translation>
    </message>
    <message>
        <source>線の番号を選ぶ</source>
        <translation>Choose the line&apos;s number</translation>
    </message>
    <message>
        <source>画面に収まらないため、ウィンドウの大きさを %1 にしました。</source>
        <translation>The window did not fit on the screen; its size is now %1.</translation>
    </message>
    <message>
        <source>視点の角度[-180° , -180°]</source>
        <translation>View angle [-180° , -180°]</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--scale の倍率が正しくありません（0 より大きく 1000000 以下の数にしてください）。</source>
        <translation>The --scale factor is not valid (give a number greater than 0 and at most 1000000).</translation>
    </message>
    <message>
        <source>--export OUT IN.zlk または --import IN OUT.zlk の形で指定してください。</source>
        <translation>Give --export OUT IN.zlk or --import IN OUT.zlk.</translation>
    </message>
</context>
</TS>
