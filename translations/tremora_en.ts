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
    <name>GraphExportWindow</name>
    <message>
        <source>CSV保存</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>GIF保存</source>
        <translation>Save GIF</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CSVファイルに保存</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSVファイル (*.csv)|*.csv</source>
        <translation>CSV files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>GIFファイルに保存</source>
        <translation>Save as GIF</translation>
    </message>
    <message>
        <source>GIFファイル (*.gif)|*.gif</source>
        <translation>GIF files (*.gif)|*.gif</translation>
    </message>
    <message>
        <source>CSVファイル保存エラー</source>
        <translation>CSV Save Error</translation>
    </message>
    <message>
        <source>GIFファイル保存エラー</source>
        <translation>GIF Save Error</translation>
    </message>
</context>
<context>
    <name>GraphPictureExport</name>
    <message>
        <source>GIFﾌｧｲﾙ(*.gif)|*.gif|すべて(*.*)|*.*</source>
        <translation>GIF files (*.gif)|*.gif|All (*.*)|*.*</translation>
    </message>
    <message>
        <source>GIFファイル保存エラー</source>
        <translation>GIF Save Error</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>2026年12月8日</source>
        <translation>8 December 2026</translation>
    </message>
    <message>
        <source>K-NET/KiK-net 観測波形解析  TREMORA Ver 3.0
  Linux版  </source>
        <translation>K-NET/KiK-net Record Analysis  TREMORA Ver 3.0
  Linux edition  </translation>
    </message>
    <message>
        <source>  制作: TREMORA 開発プロジェクト
  ご意見・不具合の連絡: プロジェクトの課題管理へお寄せください
</source>
        <translation>  By: the TREMORA development project
  Comments and bug reports: please use the project&apos;s issue tracker
</translation>
    </message>
    <message>
        <source>【このプログラムについて】
  防災科学技術研究所の強震観測網 K-NET と KiK-net が公開している強震記録(加速度波形)を読み込み、観測波形を表示して地震応答スペクトルを計算します。また、水平2成分(NS, EW)を合成して任意の方向の加速度波形を作り、そのスペクトルを計算することもできます。
  K-NET と KiK-net のデータは、防災科学技術研究所の強震観測網のページからダウンロードできます。
</source>
        <translation>[About this program]
  The program reads the strong-motion records (acceleration waveforms) published by K-NET and KiK-net, the strong-motion networks of NIED (National Research Institute for Earth Science and Disaster Resilience), shows the waveforms and computes earthquake response spectra. It can also combine the two horizontal components (NS, EW) into the acceleration along any azimuth and compute its spectra.
  K-NET and KiK-net data can be downloaded from the pages of NIED&apos;s strong-motion networks.
</translation>
    </message>
    <message>
        <source>【広島市の観測記録】
  広島市は市内8か所で地震を観測し、広島市地震情報ネットワークシステムで公開しています。そのファイルは、ひとつの地震について複数の地点の3成分加速度をひとつの特別なファイルにまとめたものです。成分ごとのファイルに変換すると、K-NET や KiK-net のデータと同じように読み込めます。
  ファイルの形式はメニューの「ファイル」で選びます。
  「HRSM」をクリックするとネットワークのホームページが開きます。
</source>
        <translation>[Hiroshima City records]
  Hiroshima City observes earthquakes at 8 sites in the city and publishes the records through its seismic information network system (HRSM). Its file holds the three-component accelerations of several sites for one earthquake in one special file. Converted into one file per component, they read like K-NET and KiK-net data.
  The file format is chosen in the &quot;File&quot; menu.
  Clicking &quot;HRSM&quot; opens the network&apos;s home page.
</translation>
    </message>
    <message>
        <source>【ダウンロードページ】
  最初の画面の K-NET、KiK-net、HRSM をクリックすると、それぞれのデータのダウンロードページがブラウザで開きます。
</source>
        <translation>[Download pages]
  Clicking K-NET, KiK-net or HRSM in the main window opens the download page of that data in the web browser.
</translation>
    </message>
    <message>
        <source>【ファイル名について】
  ひとつの記録の3成分のファイルは同じ名前で、拡張子をそれぞれ NS, EW, UD としてください。KiK-net の NS1, EW1, UD1 (地中)と NS2, EW2, UD2 (地表)もそのまま扱えますので、ダウンロードしたファイル名はそのまま使えます。名前を変えるときも拡張子は変えないでください。拡張子の大文字・小文字は区別しません。
</source>
        <translation>[File names]
  The three component files of one record must have the same name, with the extensions NS, EW and UD. KiK-net&apos;s NS1, EW1, UD1 (borehole) and NS2, EW2, UD2 (surface) are handled as they are, so downloaded files can be used under their own names. When renaming a file, keep its extension. Extensions are not case-sensitive.
</translation>
    </message>
    <message>
        <source>【使い方】
(1) ファイルの読み込み
  「ファイル」ボタンで NS 成分のファイルを選ぶと、同じ名前の EW と UD のファイルも読み込まれます。1成分だけ読むときは「３成分読込」のチェックを外し、ファイル選択画面のファイルの種類で成分を選んでください。
(2) 波形の表示
  加速度・速度・変位の波形を表示します。表示の開始点と振幅の目盛りは自動でも決められます。速度と変位は、表示している加速度を積分し、周期5秒より長い成分と直流成分を取り除いて求めます。直流成分の除去の設定を変えたときは、ファイルを読み直してください。
(3) 応答スペクトル
  表示している区間について、0.05秒から10秒までを対数で等間隔に分けた100の周期で計算します。減衰比は 0〜10% で、メニューの「減衰比倍率」で 0〜25%、0〜100% にもできます。横軸は周期と振動数を選べ、線形目盛りの最長周期は 2秒、5秒、10秒から選べます。拡大図も表示できます。
(4) 拡大図の重ね合わせ
  拡大図を新規に作図し、別のスペクトルを重ねて描けます。重ねるスペクトルの次元(加速度・速度・変位)が同じかどうかは確かめませんのでご注意ください。
(5) 観測点リスト
  観測点の名称と所在地をコードの順に表示します。コードの最初の数文字で検索でき、大文字・小文字はどちらでもかまいません。一致するコードがないときは地点名と所在地からも探します。
(6) 波形の合成
  3成分を読み込んでから使います。方位は北を0°、東を90°とする 0〜360° で指定します。出力ファイルの拡張子は方位の値になり、形式は K-NET と同じですので、1成分のファイルとして読み込めます。
(7) ダウンロードページを使うには、データ提供機関の利用者登録が必要です。
</source>
        <translation>[How to use]
(1) Opening files
  Choose the NS component file with the &quot;File&quot; button; the EW and UD files of the same name are read as well. To read a single component, clear the three-component check box and choose the component by the file type in the file dialog.
(2) Waveforms
  Acceleration, velocity and displacement waveforms are shown. The start of the view and the amplitude scale can also be set automatically. Velocity and displacement are integrated from the acceleration shown, with components of periods longer than 5 s and the DC offset removed. After changing the DC offset removal setting, read the file again.
(3) Response spectra
  Computed for the interval shown at 100 periods spaced evenly on a log scale from 0.05 s to 10 s. Damping ratios are 0-10%; the damping scale in the menu extends them to 0-25 or 0-100%. The horizontal axis can be period or frequency, and the longest period of the linear scale can be 2 s, 5 s or 10 s. An enlarged graph can be shown as well.
(4) Overlaying enlarged graphs
  Draw a new enlarged graph and overlay other spectra on it. Note that the program does not check that the overlaid spectra have the same quantity (acceleration, velocity or displacement).
(5) Station list
  Station names and locations are listed in code order. Search by the first few characters of a code, in upper or lower case. When no code matches, station names and locations are searched as well.
(6) Waveform synthesis
  Use it after reading three components. The azimuth is given from 0 to 360°, north 0° and east 90°. The output file&apos;s extension is the azimuth, and its format is that of K-NET, so it reads as a single-component file.
(7) The download pages require a user registration with the data provider.
</translation>
    </message>
    <message>
        <source>【Linux版で加わった機能】
(8) 最近使ったファイル
  メニューの「ファイル」→「最近使ったファイル」に、最近開いた記録と配布ファイル10件が並び、選ぶとそのまま開きます。見つからなくなったファイルは灰色でパスだけを示します。ファイル選択画面と保存画面は、種類ごとに前回のフォルダで開きます。各ウィンドウの位置と大きさも次回の起動に引き継ぎます(画面の外になる位置は使いません)。ボタンやチェックなどの設定は毎回最初の状態で始まります。
(9) ファイル形式
  選んだファイルの形式は中身から判定します。メニューの形式と違うときは、どちらの形式かを示して、その形式で開くかを尋ねます。
  気象庁の強震波形ファイル(CSV, 3成分で1ファイル)と PEER の .AT2 ファイル(1成分で1ファイル、加速度は g 単位を gal に換算)も読み込めます。.AT2 は同じ観測点の2〜3ファイルを選ぶと、1つの記録として扱います。これらの記録では波形の合成と地点名ファイルの作成はできません(K-NET の見出しが必要なため)。
(10) 配布ファイルと観測点の選択
  防災科学技術研究所の配布ファイル(.tar, .tar.gz)を選ぶと、中の記録が「観測点の選択」ウィンドウに一覧になります。観測点コードや名称で検索し、ダブルクリックまたは Enter で読み込みます。見出しをクリックすると並べ替えます。
(11) 計算法
  メニューの「表示単位」→「計算法」で、応答の計算を線形加速度法(従来の方法)と厳密解法(Nigam–Jennings、サンプル間の加速度を直線とみなす厳密解)から選べます。線形加速度法は 100Hz の記録で最も短い周期の加速度応答をやや大きく求めます。
  スペクトルのグラフを右クリックすると、「減衰比倍率」「線形目盛り最長周期」「計算法」をその場で選べます。チェックはメニューと同じです。
(12) 解析メニュー
  「強震動指標」: 表示区間の最大加速度・速度・変位、アリアス強度、有効継続時間(D5-95)、CAV、水平合成と3成分合成の最大加速度、計測震度と震度階級を表にします。CSV 保存とコピーができます。
  長周期地震動階級(周期 1.6〜7.8秒の絶対速度応答 Sva から気象庁の方法で求める階級と周期帯ごとの階級)と SI 値(減衰 20% の速度応答を周期 0.1〜2.5秒で平均した値)も指標に加わります。「長周期地震動」ウィンドウは Sva を周期に対して描き、階級の境(5, 15, 50, 100 cm/s)を線で示します。記録全体から計算します。
  「フーリエスペクトル」: 表示している加速度区間のフーリエ振幅スペクトルを描きます。平滑化の幅と周期軸を選べ、CSV・GIF 保存とコピーができます。
  「方位別スペクトル」: 水平2成分を 0〜179°の各方位に回転した応答から、方位によらない RotD00・RotD50・RotD100 の加速度応答スペクトルを NS, EW と並べて描きます。1成分の記録では使えません。
(13) 値の読み取りと目印
  波形の上でマウスを動かすと、主ウィンドウの下の行にその位置の時刻(記録の始めからの秒と時計の時刻)と値を示します。スペクトル、拡大図、重ね合わせ図、フーリエスペクトルのグラフでは、その位置の周期(振動数)と各曲線の値を示します。クリックするとその点に値つきの目印を置きます。目印をもう一度クリックするか Esc で消えます。目印は画面だけのもので、保存する画像やコピーには入りません。
(14) 一括処理
  tremora-cli で、多くの記録のスペクトル(spectra)、フーリエスペクトル(fourier)、方位別スペクトル(rotd)、長周期地震動の Sva(sva)、強震動指標(metrics)などをウィンドウなしで計算できます。使い方は tremora-cli --help をご覧ください。
</source>
        <translation>[Added in the Linux edition]
(8) Recent files
  The recent files list in the &quot;File&quot; menu shows the last 10 records and bundles opened; choosing one opens it at once. A file that can no longer be found is shown greyed, by its path only. Open and save dialogs start in the folder last used for each kind of file. The position and size of each window are kept for the next start (positions off the screen are not used). Buttons, check boxes and other settings start in their initial state every time.
(9) File formats
  The format of a chosen file is recognised from its contents. When it differs from the format chosen in the menu, the program names the format and asks whether to open the file in it.
  JMA strong-motion files (CSV, three components in one file) and PEER .AT2 files (one component per file, accelerations in g converted to gal) can be read too. Two or three .AT2 files of the same station chosen together are treated as one record. Synthesis and station name files are not available for these records (they need a K-NET header).
(10) Bundles and station choice
  Choosing an NIED bundle (.tar, .tar.gz) lists its records in the station choice window. Search by station code or name, and open a record by double-clicking it or pressing Enter. Click a column header to sort.
(11) Method
  The method in the units menu chooses how responses are computed: the linear acceleration method (the traditional one) or the exact method (Nigam-Jennings, exact for acceleration linear between samples). With 100 Hz records the linear acceleration method gives slightly larger acceleration responses at the shortest periods.
  Right-click a spectrum graph to choose the damping scale, the longest period of the linear scale and the method on the spot. The checks are the menu&apos;s.
(12) Analysis menu
  Strong-motion indices: a table of the peak acceleration, velocity and displacement of the interval shown, Arias intensity, significant duration (D5-95), CAV, the peak accelerations of the horizontal and three-component vector sums, the JMA instrumental intensity and its intensity class. The table can be saved as CSV and copied.
  The long-period ground motion class (JMA&apos;s method, from the absolute velocity response Sva at periods of 1.6-7.8 s, with the class of each period band) and the SI value (the velocity response averaged over periods of 0.1-2.5 s, damping 20%) are among the indices as well. The long-period ground motion window plots Sva against period, with lines at the class limits (5, 15, 50, 100 cm/s). It is computed from the whole record.
  Fourier spectrum: the Fourier amplitude spectrum of the acceleration interval shown. The smoothing width and the period axis can be chosen; it can be saved as CSV or GIF and copied.
  Spectra by azimuth: from the responses of the two horizontal components rotated to each azimuth 0-179°, the azimuth-independent RotD00, RotD50 and RotD100 acceleration response spectra, drawn with NS and EW. Not available for single-component records.
(13) Reading values and markers
  Moving the mouse over a waveform shows the time at that point (seconds from the start of the record and the clock time) and the value, in the bottom line of the main window. Over the spectrum, enlarged, overlay and Fourier spectrum graphs it shows the period (frequency) and the value of each curve. A click places a marker with its values at that point; click the marker again or press Esc to remove it. Markers are on the screen only: saved pictures and copies do not include them.
(14) Batch processing
  tremora-cli computes spectra (spectra), Fourier spectra (fourier), spectra by azimuth (rotd), long-period ground motion Sva (sva), strong-motion indices (metrics) and more for many records, without windows. See tremora-cli --help.
</translation>
    </message>
    <message>
        <source>【観測点データベース】
  DATA フォルダの観測点データベース sitename.csv は削除しないでください。観測点の名称と所在地の表示に使います。
</source>
        <translation>[Station database]
  Do not delete the station database sitename.csv in the DATA folder. It provides the station names and locations shown.
</translation>
    </message>
    <message>
        <source>【改訂履歴】
  Ver 3.0 (2026年12月)  Linux版の最初の公開
</source>
        <translation>[Revision history]
  Ver 3.0 (December 2026)  First release of the Linux edition
</translation>
    </message>
    <message>
        <source>  TREMORA 開発プロジェクト
  連絡先: プロジェクトの課題管理
</source>
        <translation>  TREMORA development project
  Contact: the project&apos;s issue tracker
</translation>
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
    <name>JmaIntensity</name>
    <message>
        <source>5弱</source>
        <translation>5 Lower</translation>
    </message>
    <message>
        <source>5強</source>
        <translation>5 Upper</translation>
    </message>
    <message>
        <source>6弱</source>
        <translation>6 Lower</translation>
    </message>
    <message>
        <source>6強</source>
        <translation>6 Upper</translation>
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
    <name>LongPeriodClass</name>
    <message>
        <source>長周期地震動階級%d</source>
        <translation>Long-period class %d</translation>
    </message>
</context>
<context>
    <name>MetricsTable</name>
    <message>
        <source>水平合成</source>
        <translation>Horizontal vector</translation>
    </message>
    <message>
        <source>3成分合成</source>
        <translation>3-component vector</translation>
    </message>
    <message>
        <source>計測震度</source>
        <translation>JMA intensity</translation>
    </message>
    <message>
        <source>震度階級</source>
        <translation>Intensity class</translation>
    </message>
    <message>
        <source>長周期地震動階級</source>
        <translation>Long-period class</translation>
    </message>
    <message>
        <source>高域フィルタを%g Hz用に再設計</source>
        <translation>High-pass re-derived for %g Hz</translation>
    </message>
    <message>
        <source>Sva最大 (cm/s)</source>
        <translation>Sva max (cm/s)</translation>
    </message>
    <message>
        <source>周期 %.1f s</source>
        <translation>period %.1f s</translation>
    </message>
    <message>
        <source>周期帯別階級</source>
        <translation>Class by band</translation>
    </message>
    <message>
        <source>%d秒台 %d</source>
        <translation>%d s: %d</translation>
    </message>
    <message>
        <source>水平 </source>
        <translation>Horiz. </translation>
    </message>
    <message>
        <source>SI値 (cm/s)</source>
        <translation>SI (cm/s)</translation>
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
        <translation>Accel.</translation>
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
    <name>SpectrumView</name>
    <message>
        <source>振動数 [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>周&#x3000;期 [s]</source>
        <translation>Period [s]</translation>
    </message>
</context>
<context>
    <name>StationListing</name>
    <message>
        <source>%zu 地点</source>
        <translation>%zu stations</translation>
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
    <name>Synthesis</name>
    <message>
        <source>合成波形の見出しにする EW ファイルが使えません

</source>
        <translation>The EW file cannot be used as the header of the synthesised waveform

</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>クリックすると閉じます</source>
        <translation>Click to close</translation>
    </message>
    <message>
        <source>強震記録の波形表示と応答スペクトル計算</source>
        <translation>Waveforms and response spectra</translation>
    </message>
    <message>
        <source>制作: TREMORA 開発プロジェクト</source>
        <translation>By: TREMORA development project</translation>
    </message>
    <message>
        <source>波形データ: 防災科学技術研究所</source>
        <translation>Waveform data: NIED</translation>
    </message>
    <message>
        <source>K-NET / KiK-net</source>
        <translation>K-NET / KiK-net</translation>
    </message>
    <message>
        <source>強震観測網のページへリンク</source>
        <translation>Link to the strong-motion network pages</translation>
    </message>
    <message>
        <source>防災科研</source>
        <translation>NIED</translation>
    </message>
    <message>
        <source>防災科学技術研究所のページへリンク</source>
        <translation>Link to the NIED home page</translation>
    </message>
    <message>
        <source>  Linux版</source>
        <translation>  Linux edition</translation>
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
    <name>TFourier</name>
    <message>
        <source>フーリエスペクトル</source>
        <translation>Fourier Spectrum</translation>
    </message>
    <message>
        <source>平滑化なし</source>
        <translation>No smoothing</translation>
    </message>
    <message>
        <source>周期軸</source>
        <translation>Period</translation>
    </message>
</context>
<context>
    <name>THRSMList</name>
    <message>
        <source> No</source>
        <translation> No</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;観測点名称</source>
        <translation>  Station name</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;観測点所在地</source>
        <translation>    Location</translation>
    </message>
    <message>
        <source>&#x3000;経度</source>
        <translation> Lon.</translation>
    </message>
    <message>
        <source>&#x3000;緯度</source>
        <translation> Lat.</translation>
    </message>
    <message>
        <source>広島市地震情報ネットワークシステム&#x3000;</source>
        <translation>Hiroshima City Seismic Information Network</translation>
    </message>
    <message>
        <source>広島市地震情報ネットワークシステム&#x3000;観測点リスト</source>
        <translation>Hiroshima City Seismic Information Network  Stations</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>THowTo</name>
    <message>
        <source>使い方</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>クリックすると閉じます</source>
        <translation>Click to close</translation>
    </message>
</context>
<context>
    <name>TLarge</name>
    <message>
        <source>地震応答スペクトラム</source>
        <translation>Response Spectrum</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>GIFﾌｧｲﾙ</source>
        <translation>GIF file</translation>
    </message>
</context>
<context>
    <name>TLongPeriod</name>
    <message>
        <source>長周期地震動</source>
        <translation>Long-Period Ground Motion</translation>
    </message>
    <message>
        <source>%s   Sva最大 %.4g cm/s (周期 %.1f s)   周期帯別 1〜7秒台: %d %d %d %d %d %d %d</source>
        <translation>%s   Sva max %.4g cm/s (period %.1f s)   Classes of 1-7 s bands: %d %d %d %d %d %d %d</translation>
    </message>
    <message>
        <source>水平2成分のある3成分記録が必要です</source>
        <translation>Needs a three-component record with both horizontal components</translation>
    </message>
    <message>
        <source>記録全体から計算 (表示区間によらない)</source>
        <translation>Computed from the whole record (not the displayed section)</translation>
    </message>
    <message>
        <source>   高域フィルタを%g Hz用に再設計</source>
        <translation>   High-pass re-derived for %g Hz</translation>
    </message>
    <message>
        <source>階級%d</source>
        <translation>Class %d</translation>
    </message>
</context>
<context>
    <name>TMetrics</name>
    <message>
        <source>波形ファイルが読み込まれていません</source>
        <translation>No waveform file is loaded</translation>
    </message>
    <message>
        <source>強震動指標</source>
        <translation>Strong-Motion Indices</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>表をテキストとしてクリップボードにコピー</source>
        <translation>Copy the table to the clipboard as text</translation>
    </message>
    <message>
        <source>CSV保存</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>表をCSVファイルに保存</source>
        <translation>Save the table as a CSV file</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>強震動指標のCSV保存</source>
        <translation>Save Strong-Motion Indices as CSV</translation>
    </message>
    <message>
        <source>CSVファイル (*.csv)|*.csv|すべてのファイル|*.*</source>
        <translation>CSV files (*.csv)|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>CSVファイル保存エラー</source>
        <translation>CSV Save Error</translation>
    </message>
</context>
<context>
    <name>TMyGraph</name>
    <message>
        <source>負のデータを対数目盛りでは表せません</source>
        <translation>Negative data cannot be shown on a logarithmic scale</translation>
    </message>
    <message>
        <source>目盛り設定エラー</source>
        <translation>Scale Error</translation>
    </message>
</context>
<context>
    <name>TNextStep</name>
    <message>
        <source>地震応答スペクトラム</source>
        <translation>Response Spectrum</translation>
    </message>
    <message>
        <source>地震応答スペクトラム拡大図</source>
        <translation>Enlarged response spectrum</translation>
    </message>
    <message>
        <source>GIFﾌｧｲﾙ</source>
        <translation>GIF file</translation>
    </message>
    <message>
        <source>現在の拡大図をGIFﾌｧｲﾙで保存</source>
        <translation>Save the current enlarged graph as a GIF file</translation>
    </message>
    <message>
        <source>次&#x3000;へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>次の拡大図</source>
        <translation>Next enlarged graph</translation>
    </message>
    <message>
        <source>戻&#x3000;る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>前の拡大図</source>
        <translation>Previous enlarged graph</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟボードへｺﾋﾟｰ</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>拡大図を終了</source>
        <translation>End the enlarged view</translation>
    </message>
    <message>
        <source>地震応答スペクトラムの重ね合わせ図</source>
        <translation>Overlay of response spectra</translation>
    </message>
    <message>
        <source>重ね合わせｽﾍﾟｸﾄﾗﾑをGIFﾌｧｲﾙで保存</source>
        <translation>Save the overlay as a GIF file</translation>
    </message>
    <message>
        <source>新規作図</source>
        <translation>New plot</translation>
    </message>
    <message>
        <source>現在の拡大図で新規にｽﾍﾟｸﾄﾗﾑを作成</source>
        <translation>Start a new overlay with the current graph</translation>
    </message>
    <message>
        <source>重ね合わせ</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>現在の拡大図を追加する</source>
        <translation>Add the current graph to the overlay</translation>
    </message>
</context>
<context>
    <name>TRotD</name>
    <message>
        <source>方位別スペクトル</source>
        <translation>RotD Spectra</translation>
    </message>
    <message>
        <source>周波数軸</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>方位別スペクトルには水平2成分（NS・EW）の記録が必要です</source>
        <translation>RotD spectra need a record with both horizontal components (NS, EW)</translation>
    </message>
</context>
<context>
    <name>TSiteList</name>
    <message>
        <source>K-NET / KiK-net 観測点リスト</source>
        <translation>K-NET / KiK-net Stations</translation>
    </message>
    <message>
        <source>K-netコード</source>
        <translation>K-NET code</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>K-NETコード検索</source>
        <translation>Search K-NET codes</translation>
    </message>
    <message>
        <source>KiK-netコード</source>
        <translation>KiK-net code</translation>
    </message>
    <message>
        <source>KiK-netコード検索</source>
        <translation>Search KiK-net codes</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>そのような観測点コードはありません</source>
        <translation>No station has that code</translation>
    </message>
    <message>
        <source>観測点コードエラー</source>
        <translation>Station code error</translation>
    </message>
</context>
<context>
    <name>TSpect</name>
    <message>
        <source>応答スペクトルを計算しています・・・・</source>
        <translation>Calculating the response spectra...</translation>
    </message>
    <message>
        <source>CSVファイル保存エラー</source>
        <translation>CSV Save Error</translation>
    </message>
    <message>
        <source>GIFファイル保存エラー</source>
        <translation>GIF Save Error</translation>
    </message>
    <message>
        <source>１ (NS)</source>
        <translation>1 (NS)</translation>
    </message>
    <message>
        <source>２ (EW)</source>
        <translation>2 (EW)</translation>
    </message>
    <message>
        <source>３ (UD)</source>
        <translation>3 (UD)</translation>
    </message>
    <message>
        <source>地震応答スペクトラム</source>
        <translation>Response Spectrum</translation>
    </message>
    <message>
        <source>横&#x3000;軸</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>目盛り</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>線形</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>対数</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>縦&#x3000;軸</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>地震応答ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Response spectra</translation>
    </message>
    <message>
        <source>成分ごと</source>
        <translation>By comp</translation>
    </message>
    <message>
        <source>応答ごと</source>
        <translation>By resp</translation>
    </message>
    <message>
        <source>成分</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>応答</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>加速度</source>
        <translation>Accel.</translation>
    </message>
    <message>
        <source>速&#x3000;度</source>
        <translation>Vel.</translation>
    </message>
    <message>
        <source>変&#x3000;位</source>
        <translation>Disp.</translation>
    </message>
    <message>
        <source>減衰比</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>減衰比設定</source>
        <translation>Damping ratios</translation>
    </message>
    <message>
        <source>計&#x3000;算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>色分け</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>減衰比による色分け</source>
        <translation>Colour by damping ratio</translation>
    </message>
    <message>
        <source>拡大図</source>
        <translation>Enlarged</translation>
    </message>
    <message>
        <source>拡大ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Enlarged spectra</translation>
    </message>
    <message>
        <source>凡例</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>減衰比の色の凡例</source>
        <translation>Legend of the damping colours</translation>
    </message>
    <message>
        <source>線サイズ</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <source>GIFﾌｧｲﾙ</source>
        <translation>GIF file</translation>
    </message>
    <message>
        <source>ｽﾍﾟｸﾄﾗﾑをGIFﾌｧｲﾙで保存</source>
        <translation>Save the spectra as a GIF file</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>ｽﾍﾟｸﾄﾙをCSVﾌｧｲﾙで保存</source>
        <translation>Save the spectra as a CSV file</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>波形成分消去不可</source>
        <translation>Draw per component</translation>
    </message>
    <message>
        <source>応答成分消去不可</source>
        <translation>Draw per response</translation>
    </message>
    <message>
        <source>GIFﾌｧｲﾙ (*,gif)|*.gif|すべて (*.*)|*.*</source>
        <translation>GIF files (*.gif)|*.gif|All (*.*)|*.*</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*</source>
        <translation>CSV files (*.csv)|*.csv|Text files|*.txt|All|*.*</translation>
    </message>
</context>
<context>
    <name>TSuper</name>
    <message>
        <source>地震応答ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Response Spectrum</translation>
    </message>
    <message>
        <source>GIFﾌｧｲﾙ</source>
        <translation>GIF file</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TSynthe</name>
    <message>
        <source>出力ファイルボタンを押してファイル名を設定してください</source>
        <translation>Press the Output file button to set the file name</translation>
    </message>
    <message>
        <source>実行ボタンを押してください</source>
        <translation>Press the Write button</translation>
    </message>
    <message>
        <source>ファイルに出力しました</source>
        <translation>Written to the file</translation>
    </message>
    <message>
        <source>ＮＳおよびEWの２成分を合成します</source>
        <translation>Combines the two components NS and EW</translation>
    </message>
    <message>
        <source>合成波の方位角を，北を０度，東を９０度とし０～３６０度の範囲で指定してください</source>
        <translation>Azimuth of the synthesised wave: 0 to 360°, north 0°, east 90°</translation>
    </message>
    <message>
        <source>方位角</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>（拡張子を指定しなければ，設定された方位角が拡張子となります）</source>
        <translation>(Without an extension, the azimuth becomes the file&apos;s extension)</translation>
    </message>
    <message>
        <source>出力ファイル名</source>
        <translation>Output file</translation>
    </message>
    <message>
        <source>出力ファイル</source>
        <translation>Output file…</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>出力ファイル名が長すぎます（%d 文字）

フォルダーを含めて %d 文字以内のファイル名を指定してください</source>
        <translation>The output file name is too long (%d characters)

Give a file name of at most %d characters, folders included</translation>
    </message>
    <message>
        <source>ファイル名エラー</source>
        <translation>File name error</translation>
    </message>
    <message>
        <source>ファイル名に付けられた拡張子が不正です</source>
        <translation>The file name&apos;s extension is not valid</translation>
    </message>
    <message>
        <source>ファイル拡張子エラー</source>
        <translation>File extension error</translation>
    </message>
    <message>
        <source>拡張子が方位角を表していませんが，この名前でよろしいですか？</source>
        <translation>The extension is not the azimuth. Use this name anyway?</translation>
    </message>
    <message>
        <source>ファイル拡張子</source>
        <translation>File extension</translation>
    </message>
    <message>
        <source>合成には NS・EW・UD の３成分を読み込んだデータが必要です</source>
        <translation>Synthesis needs a record read with its three components NS, EW and UD</translation>
    </message>
    <message>
        <source>データファイルエラー</source>
        <translation>Data file error</translation>
    </message>
    <message>
        <source>ファイル書込みエラー</source>
        <translation>File write error</translation>
    </message>
    <message>
        <source>水平成分波形の合成</source>
        <translation>Horizontal Component Synthesis</translation>
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
<context>
    <name>WebLink</name>
    <message>
        <source>インターネットエクスプローラの起動に失敗しました&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Could not start the web browser</translation>
    </message>
    <message>
        <source>readme.htm呼び出しエラー</source>
        <translation>Web page error</translation>
    </message>
</context>
</TS>
