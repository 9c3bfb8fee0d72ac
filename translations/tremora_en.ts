<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BundleListing</name>
    <message>
        <source>KiK-net 地中</source>
        <translation>KiK-net borehole</translation>
    </message>
    <message>
        <source>KiK-net 地表</source>
        <translation>KiK-net surface</translation>
    </message>
    <message>
        <source>%zu 記録</source>
        <translation>Records: %zu</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>&apos;%s&apos; は整数として正しくありません。</source>
        <translation>&apos;%s&apos; is not a valid integer.</translation>
    </message>
    <message>
        <source>&apos;%s&apos; は数値として正しくありません。</source>
        <translation>&apos;%s&apos; is not a valid number.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>ファイルを開けません</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>ファイルを読み込めません</source>
        <translation>Cannot read the file</translation>
    </message>
    <message>
        <source>ファイルに書き込めません</source>
        <translation>Cannot write the file</translation>
    </message>
</context>
<context>
    <name>HiroshimaFormat</name>
    <message>
        <source>広島市消防局の</source>
        <translation> Hiroshima City Fire Bureau </translation>
    </message>
    <message>
        <source>データファイル %s のサンプリング間隔 (5行目) が読めません
1 から 1000 までのミリ秒が必要ですが、「%s」でした</source>
        <translation>Cannot read the sampling interval (line 5) of data file %s
A number of milliseconds from 1 to 1000 is needed, but it was &apos;%s&apos;</translation>
    </message>
    <message>
        <source>データファイル %s のサンプリング間隔 %d ms が %s の %d ms と異なります
３成分のサンプリング間隔は同じでなければなりません</source>
        <translation>The sampling interval of data file %s, %d ms, differs from that of %s, %d ms
The three components must have the same sampling interval</translation>
    </message>
</context>
<context>
    <name>JmaCsvFormat</name>
    <message>
        <source>気象庁強震波形 (CSV) の</source>
        <translation> JMA strong-motion (CSV) </translation>
    </message>
    <message>
        <source>データファイル %s の単位 (%d行目) が読めません
gal(cm/s/s) が必要ですが、「%s」でした</source>
        <translation>Data file %s: cannot read the unit (line %d)
gal(cm/s/s) is needed, but it was &apos;%s&apos;</translation>
    </message>
</context>
<context>
    <name>KnetFormat</name>
    <message>
        <source> K-NET/KiK-net </source>
        <translation> K-NET/KiK-net </translation>
    </message>
    <message>
        <source>データファイル %s の Scale Factor (14行目) が読めません
「分子(gal)/分母」の形で 28 桁目から 0 でない分母が必要ですが、「%s」でした</source>
        <translation>Cannot read the Scale Factor (line 14) of data file %s
The form &apos;numerator(gal)/denominator&apos; from column 28 with a denominator other than 0 is needed, but it was &apos;%s&apos;</translation>
    </message>
    <message>
        <source>データファイル %s の Scale Factor (14行目) が読めません
「分子(gal)/分母」の形で正の分子と分母が必要ですが、「%s」でした</source>
        <translation>Cannot read the Scale Factor (line 14) of data file %s
The form &apos;numerator(gal)/denominator&apos; with a positive numerator and denominator is needed, but it was &apos;%s&apos;</translation>
    </message>
    <message>
        <source>データファイル %s のサンプリング周波数 (%d行目) が読めません
1 以上の整数 (Hz) が必要ですが、「%s」でした</source>
        <translation>Data file %s: cannot read the sampling frequency (line %d)
A whole number of 1 or more (Hz) is needed, but it was &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Scale Factor が %g なので、加速度をカウント値に直せません</source>
        <translation>The Scale Factor is %g, so the accelerations cannot be turned into counts</translation>
    </message>
</context>
<context>
    <name>KnetLoading</name>
    <message>
        <source>データファイル %s のサンプリング周波数 %d Hz が %s の %d Hz と異なります
３成分のサンプリング周波数は同じでなければなりません</source>
        <translation>The sampling frequency of data file %s, %d Hz, differs from that of %s, %d Hz
The three components must have the same sampling frequency</translation>
    </message>
    <message>
        <source>ファイル名が正しくありません !
多分，フォルダー名に余分なピリオドが付いていると思われます&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>The file name is not valid!
A folder name probably contains an extra period.</translation>
    </message>
    <message>
        <source>ファイル名エラー</source>
        <translation>File name error</translation>
    </message>
    <message>
        <source>この観測点コードは登録されおりません&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;

データファイルの形式がK-NET/KiK-netと異なっている恐れがあります&#x3000;&#x3000;&#x3000;
</source>
        <translation>This station code is not registered.

The data file may not be in the K-NET/KiK-net format.
</translation>
    </message>
    <message>
        <source>観測点コードエラー</source>
        <translation>Station code error</translation>
    </message>
    <message>
        <source>
３成分のデータを読み込めません

データファイル %s がありません   

データを読み込みませんでした</source>
        <translation>
Cannot read the three components

Data file %s does not exist

No data was read</translation>
    </message>
    <message>
        <source>データファイルエラー</source>
        <translation>Data file error</translation>
    </message>
</context>
<context>
    <name>PeerAt2Format</name>
    <message>
        <source> PEER (.AT2) </source>
        <translation> PEER (.AT2) </translation>
    </message>
    <message>
        <source>データファイル %s の 4 行目が読めません
「NPTS= 個数, DT= 間隔 SEC」の形が必要ですが、「%s」でした</source>
        <translation>Cannot read line 4 of data file %s
The form &apos;NPTS= count, DT= interval SEC&apos; is needed, but it was &apos;%s&apos;</translation>
    </message>
    <message>
        <source>データファイル %s の 3 行目の単位が G ではありません (「%s」)
加速度 (単位 G) の記録だけを読めます</source>
        <translation>The unit on line 3 of data file %s is not G (&apos;%s&apos;)
Only records of acceleration (in G) can be read</translation>
    </message>
    <message>
        <source>データファイル %s の 4 行目の NPTS または DT が使えません
1 以上の個数と 0 より大きく 1 以下の間隔 (秒) が必要ですが、「%s」でした</source>
        <translation>NPTS or DT on line 4 of data file %s cannot be used
A count of 1 or more and an interval above 0 and up to 1 (s) are needed, but it was &apos;%s&apos;</translation>
    </message>
    <message>
        <source>データファイル %s の %d 行目の値「%s」は加速度 (G) として読めません</source>
        <translation>Data file %s, line %d: the value &apos;%s&apos; cannot be read as an acceleration (G)</translation>
    </message>
</context>
<context>
    <name>PeerAt2Loading</name>
    <message>
        <source>データファイル %s (NPTS= %d, DT= %g) と %s (NPTS= %d, DT= %g) のデータ数または時間間隔が異なります
成分のデータ数と時間間隔は同じでなければなりません</source>
        <translation>Data files %s (NPTS= %d, DT= %g) and %s (NPTS= %d, DT= %g) differ in sample count or time interval
The components must have the same sample count and time interval</translation>
    </message>
    <message>
        <source>データファイル %s (観測点「%s」) と %s (観測点「%s」) は別の観測点の記録です
一つの観測点の成分だけを一緒に読めます</source>
        <translation>Data files %s (station &apos;%s&apos;) and %s (station &apos;%s&apos;) are records of different stations
Only components of one station can be read together</translation>
    </message>
    <message>
        <source>
%s (成分「%s」)</source>
        <translation>
%s (component &apos;%s&apos;)</translation>
    </message>
    <message>
        <source>成分の組み合わせが読めません:%s
水平 2 成分、または水平 2 成分と上下成分が必要です</source>
        <translation>Cannot read this combination of components:%s
Two horizontal components, or two horizontal and the vertical component, are needed</translation>
    </message>
</context>
<context>
    <name>ReadWarnings</name>
    <message>
        <source>データファイル %s には %lld 個のデータがあります。最初の %lld 個だけを使います</source>
        <translation>%s holds %lld samples; the first %lld are used</translation>
    </message>
    <message>
        <source>%s の %d 行目 %d 番目の値「%s」は整数ではありません (%s として読みました)</source>
        <translation>%s: line %d, field %d: &apos;%s&apos; is not an integer; read as %s</translation>
    </message>
    <message>
        <source>%s の %d 行目 %d 番目の値「%s」は数値ではありません (%s として読みました)</source>
        <translation>%s: line %d, field %d: &apos;%s&apos; is not a number; read as %s</translation>
    </message>
    <message>
        <source>%s の %d 行目 (ヘッダーの最後の行) がデータ行のようです。ヘッダーが 1 行足りない恐れがあります (この行の値はデータとして読まれません)</source>
        <translation>%s: line %d is the last header line but looks like a data line (is the header a line short?); its values are not read as samples</translation>
    </message>
    <message>
        <source>%s の %d 行目の値「%s」は範囲外です (%s として読みました)</source>
        <translation>%s: line %d: &apos;%s&apos; is out of range; read as %s</translation>
    </message>
    <message>
        <source>%s の %d 行目の値「%s」は整数ではありません (%s として読みました)</source>
        <translation>%s: line %d: &apos;%s&apos; is not a whole number; read as %s</translation>
    </message>
    <message>
        <source>データファイル %s の %d 行目ではデータが %lld 個とされていますが、%lld 個しかありません。あるデータだけを使います</source>
        <translation>%s: line %d announces %lld samples, the file holds %lld; those are used</translation>
    </message>
    <message>
        <source>%s: ほかに同様の値が %d 個あります</source>
        <translation>%s: %d more such fields</translation>
    </message>
</context>
<context>
    <name>RecordSet</name>
    <message>
        <source>加速度</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>速&#x3000;度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>変&#x3000;位</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>この機能には K-NET / KiK-net の記録が必要です

気象庁や PEER のファイルには K-NET のヘッダーがないため，ファイルを作成できません</source>
        <translation>This command needs a K-NET / KiK-net record

JMA and PEER files have no K-NET header, so the files cannot be made</translation>
    </message>
</context>
<context>
    <name>SaveTargetCheck</name>
    <message>
        <source>%s は表示中のデータファイル %s そのものです

データファイルを守るため、保存しませんでした</source>
        <translation>%s is the data file shown, %s

Nothing was saved, to keep the data file safe</translation>
    </message>
    <message>
        <source>保存先エラー</source>
        <translation>Save target error</translation>
    </message>
    <message>
        <source>%s は既に存在します

上書きしますか？</source>
        <translation>%s already exists

Overwrite it?</translation>
    </message>
    <message>
        <source>上書きの確認</source>
        <translation>Confirm overwrite</translation>
    </message>
</context>
<context>
    <name>StationNamedCopies</name>
    <message>
        <source>コピー先 %s がコピー元と同じファイルです</source>
        <translation>The copy %s is the same file as its original</translation>
    </message>
    <message>
        <source>
観測地点名で表したデータファイルを作成しました&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>
The data files named by the station&apos;s place have been made</translation>
    </message>
    <message>
        <source>この観測点の情報がありませんので,ファイル名を変更することはできません</source>
        <translation>There is no information on this station, so the files cannot be renamed</translation>
    </message>
    <message>
        <source>観測地点名ファイル</source>
        <translation>Station-named files</translation>
    </message>
</context>
<context>
    <name>StationTables</name>
    <message>
        <source>K-NET/KiK-net観測点情報ファイルがありません</source>
        <translation>The K-NET/KiK-net station information file is missing</translation>
    </message>
    <message>
        <source>広島市消防局観測点リストファイルがありません&#x3000;&#x3000;&#x3000;</source>
        <translation>The Hiroshima City Fire Bureau station list file is missing</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
</context>
<context>
    <name>TBundleChooser</name>
    <message>
        <source>観測点コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>観測点名</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>観測網</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>最大加速度 [gal]</source>
        <translation>Max. acc. [gal]</translation>
    </message>
    <message>
        <source>震央距離 [km]</source>
        <translation>Epi. dist. [km]</translation>
    </message>
    <message>
        <source>クリックで並べ替え</source>
        <translation>Click to sort</translation>
    </message>
    <message>
        <source>ダブルクリックまたは Enter で読み込みます</source>
        <translation>Double-click or press Enter to load</translation>
    </message>
    <message>
        <source>観測点コードまたは観測点名</source>
        <translation>Station code or station name</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>観測点検索</source>
        <translation>Find a station</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>観測点の選択</source>
        <translation>Choose a station</translation>
    </message>
    <message>
        <source>そのような観測点はありません</source>
        <translation>There is no such station</translation>
    </message>
</context>
<context>
    <name>TBundleProgress</name>
    <message>
        <source>&#x3000;&#x3000;お待ちください</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
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
        <source>配布ファイルを展開しています・・・・</source>
        <translation>Unpacking the download file...</translation>
    </message>
    <message>
        <source>配布ファイルエラー</source>
        <translation>Download file error</translation>
    </message>
    <message>
        <source>配布ファイルを読み込めませんでした

%s</source>
        <translation>Cannot read the download file

%s</translation>
    </message>
    <message>
        <source>配布ファイルの次の記録は読み込みませんでした

%s</source>
        <translation>These records of the download file were not read

%s</translation>
    </message>
    <message>
        <source>ほか %zu 記録
</source>
        <translation>and %zu more
</translation>
    </message>
    <message>
        <source>配布ファイル %s には K-NET/KiK-net の地震波形データファイルがありません</source>
        <translation>Download file %s holds no K-NET/KiK-net waveform data files</translation>
    </message>
    <message>
        <source>対になる３成分データファイルが揃っていません

データファイル %s がありません   </source>
        <translation>The three component files are not all there

Data file %s does not exist</translation>
    </message>
    <message>
        <source>この観測点コードは登録されおりません&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;

データファイルの形式が広島市消防局と異なっている恐れがあります&#x3000;&#x3000;&#x3000;
</source>
        <translation>This station code is not registered.

The data file may not be in the Hiroshima City Fire Bureau format.
</translation>
    </message>
    <message>
        <source>データなし</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>地震波形データを読み込んでいます・・・・</source>
        <translation>Reading the waveform data...</translation>
    </message>
    <message>
        <source>データファイルの警告</source>
        <translation>Data file warnings</translation>
    </message>
    <message>
        <source>%s は PEER (.AT2) のファイルではありません

複数のファイルを選ぶと、一つの観測点の PEER (.AT2) の２～３成分として読み込みます</source>
        <translation>%s is not a PEER (.AT2) file

Several files chosen together are read as 2 or 3 PEER (.AT2) components of one station</translation>
    </message>
    <message>
        <source>一度に選べるファイルは PEER (.AT2) の３成分までです

データを読み込みませんでした</source>
        <translation>At most 3 PEER (.AT2) components can be chosen at once

No data was read</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>データファイル %s は大きすぎます
読み込めるのは 16 MiB (%zu バイト) までです</source>
        <translation>Data file %s is too large
Files of up to 16 MiB (%zu bytes) can be read</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>データファイル %s は%s形式ではありません
ヘッダーは %d 行のはずですが、%d 行しかありません</source>
        <translation>Data file %s is not in%sformat
The header should have %d lines, but there are only %d</translation>
    </message>
</context>
</TS>
