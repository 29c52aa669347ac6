<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
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
        <translation>Fix the pointer (a line's start or end)</translation>
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
</TS>
