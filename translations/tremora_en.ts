<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>TForm1</name>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>地震ﾃﾞｰﾀﾌｧｲﾙ読込</source>
        <translation>Open an earthquake record file</translation>
    </message>
    <message>
        <source>K-NET/KiK-net データファイル</source>
        <translation>K-NET/KiK-net data file</translation>
    </message>
    <message>
        <source>広島市消防局データファイル</source>
        <translation>Hiroshima City Fire Bureau data file</translation>
    </message>
    <message>
        <source>ファイルボタンをクリックしてファイルを指定してください</source>
        <translation>Click the File button and choose a file</translation>
    </message>
    <message>
        <source>広島市地震情報ネットワークシステムのファイルはメニューバーの</source>
        <translation>For a file of the Hiroshima City earthquake information network,</translation>
    </message>
    <message>
        <source>「ファイル」でファイル形式を選択してください</source>
        <translation>choose its format in the File menu first</translation>
    </message>
    <message>
        <source>プログラムを終了します．よろしいですか？</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>プログラム終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>地震ﾌｧｲﾙ(.*.ns*)</source>
        <translation>Earthquake file (*.ns*)</translation>
    </message>
    <message>
        <source>地震ﾌｧｲﾙ(*.ew*)</source>
        <translation>Earthquake file (*.ew*)</translation>
    </message>
    <message>
        <source>地震ﾌｧｲﾙ(,*.ud*)</source>
        <translation>Earthquake file (*.ud*)</translation>
    </message>
    <message>
        <source>すべて(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>NIED 配布ファイル (*.tar;*.tar.gz;*.tgz)</source>
        <translation>NIED download bundle (*.tar;*.tar.gz;*.tgz)</translation>
    </message>
    <message>
        <source>気象庁 強震波形 (*.csv)</source>
        <translation>JMA strong-motion record (*.csv)</translation>
    </message>
    <message>
        <source>PEER (*.at2)</source>
        <translation>PEER (*.at2)</translation>
    </message>
    <message>
        <source>GIFﾌｧｲﾙ (*.gif)</source>
        <translation>GIF file (*.gif)</translation>
    </message>
    <message>
        <source>すべて (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>PELTIX CSV ﾌｧｲﾙ (*.csv)</source>
        <translation>PELTIX CSV file (*.csv)</translation>
    </message>
    <message>
        <source>データファイル %s を開けません</source>
        <translation>Cannot open the data file %s</translation>
    </message>
    <message>
        <source>%s は K-NET/KiK-net のファイルでも広島市消防局のファイルでもありません

データを読み込みませんでした</source>
        <translation>%s is neither a K-NET/KiK-net file nor a Hiroshima City Fire Bureau file

No data was read</translation>
    </message>
    <message>
        <source>ファイル形式エラー</source>
        <translation>File format error</translation>
    </message>
    <message>
        <source> K-NET/KiK-net </source>
        <translation>a K-NET/KiK-net</translation>
    </message>
    <message>
        <source>広島市消防局</source>
        <translation>a Hiroshima City Fire Bureau</translation>
    </message>
    <message>
        <source>%s は%sのファイルです

%sとして開きますか？</source>
        <translation>%s is %s file

Open it as %s?</translation>
    </message>
    <message>
        <source>ファイル形式の確認</source>
        <translation>File format</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source> K-NET / KiK-net 観測波形解析  TREMORA Ver 3.0</source>
        <translation> K-NET / KiK-net Strong-Motion Record Analysis  TREMORA Ver 3.0</translation>
    </message>
    <message>
        <source>3成分読込</source>
        <translation>3 comps</translation>
    </message>
    <message>
        <source> 波形表示</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>地震波形表示</source>
        <translation>Show the waveforms</translation>
    </message>
    <message>
        <source>観測点リスト</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>観測地点情報ﾘｽﾄ表示</source>
        <translation>Show the list of stations</translation>
    </message>
    <message>
        <source>合成波形</source>
        <translation>Synthesis</translation>
    </message>
    <message>
        <source>応答ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>地震応答ｽﾍﾟｸﾄﾗﾑ表示</source>
        <translation>Show the response spectra</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>GIFファイル</source>
        <translation>GIF file</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>終&#x3000;了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>観測点</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
    <message>
        <source>発震日時</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>震源緯度</source>
        <translation>Lat.</translation>
    </message>
    <message>
        <source>経度</source>
        <translation>Lon.</translation>
    </message>
    <message>
        <source>震源深さ</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>ﾏｸﾞﾆﾁｭｰﾄﾞ</source>
        <translation>Mag.</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ総数</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>計測時間</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>ｻﾝﾌﾟﾘﾝｸﾞ率</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>K-NETダウンロードページへリンク</source>
        <translation>Go to the K-NET download page</translation>
    </message>
    <message>
        <source>KiK-netダウンロードページへリンク</source>
        <translation>Go to the KiK-net download page</translation>
    </message>
    <message>
        <source>広島市地震情報ネットワークへリンク</source>
        <translation>Go to the Hiroshima City earthquake information network</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;F)</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>ファイル形式選択(&amp;S)</source>
        <translation>File &amp;format</translation>
    </message>
    <message>
        <source>K-NET/KiK-netファイル</source>
        <translation>K-NET/KiK-net file</translation>
    </message>
    <message>
        <source>広島市消防局ファイル</source>
        <translation>Hiroshima City Fire Bureau file</translation>
    </message>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>（記号→地点名）ファイル作成</source>
        <translation>Copy files under station names</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>表示単位(&amp;T)</source>
        <translation>Display &amp;units</translation>
    </message>
    <message>
        <source>減衰比倍率</source>
        <translation>Damping ratio multiplier</translation>
    </message>
    <message>
        <source>×１</source>
        <translation>×1</translation>
    </message>
    <message>
        <source>×５</source>
        <translation>×5</translation>
    </message>
    <message>
        <source>×１０</source>
        <translation>×10</translation>
    </message>
    <message>
        <source>線形目盛り最長周期</source>
        <translation>Longest period of the linear axis</translation>
    </message>
    <message>
        <source>２秒</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>５秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>１０秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>計算法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>線形加速度法</source>
        <translation>Linear acceleration method</translation>
    </message>
    <message>
        <source>厳密解法 (Nigam–Jennings)</source>
        <translation>Exact solution (Nigam–Jennings)</translation>
    </message>
    <message>
        <source>解析(&amp;A)</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>強震動指標(&amp;I)</source>
        <translation>Strong-motion &amp;indices</translation>
    </message>
    <message>
        <source>フーリエスペクトル(&amp;F)</source>
        <translation>&amp;Fourier spectra</translation>
    </message>
    <message>
        <source>長周期地震動(&amp;L)</source>
        <translation>&amp;Long-period ground motion</translation>
    </message>
    <message>
        <source>方位別スペクトル(&amp;R)</source>
        <translation>&amp;RotD spectra</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使い方(&amp;T)</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;Version information</translation>
    </message>
    <message>
        <source>波形表示開始点</source>
        <translation>Display start</translation>
    </message>
    <message>
        <source>波形表示開始点設定</source>
        <translation>Set the first sample shown</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>時間軸目盛</source>
        <translation>Time axis</translation>
    </message>
    <message>
        <source>波形表示時間幅</source>
        <translation>Time span shown</translation>
    </message>
    <message>
        <source>振幅軸目盛</source>
        <translation>Amplitude axis</translation>
    </message>
    <message>
        <source>振幅軸目盛りの設定</source>
        <translation>Set the amplitude axis</translation>
    </message>
    <message>
        <source>1ch指定</source>
        <translation>Ch 1 for all</translation>
    </message>
    <message>
        <source>波形</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>加速度</source>
        <translation>Accel.</translation>
    </message>
    <message>
        <source>速&#x3000; 度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>変&#x3000; 位</source>
        <translation>Displ.</translation>
    </message>
    <message>
        <source>成分</source>
        <translation>Component</translation>
    </message>
    <message>
        <source> ＮＳ</source>
        <translation> NS</translation>
    </message>
    <message>
        <source> ＥＷ</source>
        <translation> EW</translation>
    </message>
    <message>
        <source> ＵＤ</source>
        <translation> UD</translation>
    </message>
    <message>
        <source>波形/成分</source>
        <translation>By quantity/by component</translation>
    </message>
    <message>
        <source>波形/成分表示の選択</source>
        <translation>Show one quantity of every component, or every quantity of one component</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀｶｳﾝﾄ</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>最大位置</source>
        <translation>Peak mark</translation>
    </message>
    <message>
        <source>DC除去</source>
        <translation>Remove DC</translation>
    </message>
    <message>
        <source>開始点番号が大きすぎます</source>
        <translation>The start sample number is too large</translation>
    </message>
    <message>
        <source>開始点番号エラー</source>
        <translation>Start sample error</translation>
    </message>
    <message>
        <source>DC成分を除去するためには，ファイルデータの再読込が必要です</source>
        <translation>Removing the DC component needs the file to be read again</translation>
    </message>
    <message>
        <source>DC成分を除去しないためには，ファイルデータの再読込が必要です</source>
        <translation>Keeping the DC component needs the file to be read again</translation>
    </message>
    <message>
        <source>ファイル再読込</source>
        <translation>Read the file again</translation>
    </message>
    <message>
        <source>ファイル書込みエラー</source>
        <translation>File write error</translation>
    </message>
    <message>
        <source>クリップボードに図をコピーできませんでした</source>
        <translation>The picture could not be copied to the clipboard</translation>
    </message>
    <message>
        <source>コピーエラー</source>
        <translation>Copy error</translation>
    </message>
    <message>
        <source>速&#x3000;度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>変&#x3000;位</source>
        <translation>Displ.</translation>
    </message>
    <message>
        <source>地震波形データを処理しています・・・・</source>
        <translation>Processing the waveform data…</translation>
    </message>
    <message>
        <source>振幅の値が正しくありません !
0 より大きい数値を入力してください</source>
        <translation>The amplitude is not valid!
Enter a number greater than 0</translation>
    </message>
    <message>
        <source>振幅エラー</source>
        <translation>Amplitude error</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ %d - %d</source>
        <translation>Samples %d - %d</translation>
    </message>
</context>
<context>
    <name>TWait</name>
    <message>
        <source>&#x3000;&#x3000;お待ちください</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>応答スペクトルを計算しています・・・・</source>
        <translation>Calculating the response spectra…</translation>
    </message>
</context>
<context>
    <name>WaveReadout</name>
    <message>
        <source>記録開始から %s</source>
        <translation>From record start %s</translation>
    </message>
    <message>
        <source>値 %s</source>
        <translation>Value %s</translation>
    </message>
    <message>
        <source>時刻 %s</source>
        <translation>Time %s</translation>
    </message>
</context>
</TS>
