<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
    <name>TForm1</name>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>地震ﾃﾞｰﾀﾌｧｲﾙ読込</source>
        <translation>Open an earthquake record file</translation>
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
        <translation>Linear</translation>
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
        <translation>Component</translation>
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
</TS>
