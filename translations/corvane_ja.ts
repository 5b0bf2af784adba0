<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BeamDataCheckMessages</name>
    <message>
        <source>line %1: the TMR %2 of the %3 cm field at %4 mm is above 1.05; a TMR is 1 at the depth of maximum dose and cannot lie much above it.</source>
        <translation>%1 行目: 照射野 %3 cm、深さ %4 mm の TMR %2 が 1.05 を超えています。TMR は最大線量深で 1 となり、それを大きく上回ることはありません。</translation>
    </message>
    <message>
        <source>and %1 more TMRs above 1.05.</source>
        <translation>ほかに 1.05 を超える TMR が %1 個あります。</translation>
    </message>
    <message>
        <source>line %1: the TMR of the %2 cm field rises from %3 at %4 mm to %5 at %6 mm; beyond 5 cm depth the beam is attenuated and the TMR falls.</source>
        <translation>%1 行目: 照射野 %2 cm の TMR が深さ %4 mm の %3 から %6 mm の %5 へ増加しています。深さ 5 cm を超えるとビームは減弱し、TMR は減少します。</translation>
    </message>
    <message>
        <source>and %1 more TMRs that rise with depth beyond 5 cm.</source>
        <translation>ほかに深さ 5 cm 以上で深さとともに増加する TMR が %1 個あります。</translation>
    </message>
    <message>
        <source>line %1: at %2 mm the TMR falls from %3 for the %4 cm field to %5 for the %6 cm field; a larger field adds scatter, so its TMR is not lower.</source>
        <translation>%1 行目: 深さ %2 mm で TMR が照射野 %4 cm の %3 から照射野 %6 cm の %5 へ減少しています。照射野が大きいほど散乱線が加わるため、TMR が小さくなることはありません。</translation>
    </message>
    <message>
        <source>and %1 more TMRs that fall with field size.</source>
        <translation>ほかに照射野とともに減少する TMR が %1 個あります。</translation>
    </message>
    <message>
        <source>line %1: the OCR on the axis at %2 cm depth is %3, more than 1 % from 1; the profiles are relative to the axis, where the OCR is 1.</source>
        <translation>%1 行目: 深さ %2 cm の中心軸上の OCR が %3 で、1 から 1 % 以上離れています。プロファイルは中心軸に対する相対値であり、中心軸上の OCR は 1 です。</translation>
    </message>
    <message>
        <source>and %1 more OCRs on the axis more than 1 % from 1.</source>
        <translation>ほかに 1 から 1 % 以上離れた中心軸上の OCR が %1 個あります。</translation>
    </message>
    <message>
        <source>line %1: the OCR at %2 cm depth rises beyond the field edge, from %3 at x = %4 to %5 at x = %6; outside the field the dose falls with the distance from the edge.</source>
        <translation>%1 行目: 深さ %2 cm の OCR が照射野端の外側で x = %4 の %3 から x = %6 の %5 へ増加しています。照射野の外では、線量は照射野端からの距離とともに減少します。</translation>
    </message>
    <message>
        <source>and %1 more OCRs that rise beyond the field edge.</source>
        <translation>ほかに照射野端の外側で増加する OCR が %1 個あります。</translation>
    </message>
    <message>
        <source>lines %1 and %2: TPR20,10 of the 10 x 10 cm field is %3, outside 0.64 to 0.70, the range of 6 MV beams; the wedge model assumes a 6 MV beam (lead wedges, 0.5927 per cm).</source>
        <translation>%1 行目と %2 行目: 10 x 10 cm 照射野の TPR20,10 が %3 で、6 MV ビームの範囲 0.64 ～ 0.70 の外にあります。ウェッジのモデルは 6 MV ビーム（鉛ウェッジ、0.5927 /cm）を前提としています。</translation>
    </message>
    <message>
        <source>and %1 more TPR20,10 values outside 0.64 to 0.70.</source>
        <translation>ほかに 0.64 ～ 0.70 の外にある TPR20,10 が %1 個あります。</translation>
    </message>
    <message>
        <source>the dose of a 10 x 10 cm field at SSD 100 cm cannot be calculated from these tables, so there is no PDD(10) and PDD(20); the windows fail for that field too.</source>
        <translation>これらの表からは SSD 100 cm、10 x 10 cm 照射野の線量を計算できないため、PDD(10) と PDD(20) はありません。ウィンドウでもこの照射野の計算は失敗します。</translation>
    </message>
    <message>
        <source>and %1 more failed calculations.</source>
        <translation>ほかに計算できない場合が %1 件あります。</translation>
    </message>
</context>
<context>
    <name>BeamDataMessages</name>
    <message>
        <source>heading</source>
        <translation>見出し</translation>
    </message>
    <message>
        <source>TMR block</source>
        <translation>TMR ブロック</translation>
    </message>
    <message>
        <source>separator lines</source>
        <translation>区切り行</translation>
    </message>
    <message>
        <source>OCR block</source>
        <translation>OCR ブロック</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>the %1 at line %2 of %3</source>
        <translation>%1の %3 行中 %2 行目</translation>
    </message>
    <message>
        <source>the %1 at row %2 of %3 (number %4 of %5)</source>
        <translation>%1の %3 行中 %2 行目・%5 個中 %4 番目の数値</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a folder, not a file.</source>
        <translation>ビームデータファイル &quot;%1&quot; はフォルダで、ファイルではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a named pipe (FIFO), not a regular file.</source>
        <translation>ビームデータファイル &quot;%1&quot; は名前付きパイプで、通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a character device, not a regular file.</source>
        <translation>ビームデータファイル &quot;%1&quot; はキャラクタデバイスで、通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a block device, not a regular file.</source>
        <translation>ビームデータファイル &quot;%1&quot; はブロックデバイスで、通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a socket, not a regular file.</source>
        <translation>ビームデータファイル &quot;%1&quot; はソケットで、通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is not a regular file.</source>
        <translation>ビームデータファイル &quot;%1&quot; は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; was not found.</source>
        <translation>ビームデータファイル &quot;%1&quot; が見つかりません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>ビームデータファイル &quot;%1&quot; を開けません：%2。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; could not be read: %2.</source>
        <translation>ビームデータファイル &quot;%1&quot; を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the file goes on past 1 MiB before its tables are complete, in %3; a beam data file is a few kilobytes.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%3）：表がそろう前にファイルが 1 MiB を超えています。ビームデータファイルは数キロバイトのはずです。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the line is longer than 64 KiB, in %3.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%3）：行が 64 KiB より長くなっています。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the field %3 is longer than 64 characters, in %4.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%4）：欄 %3 が 64 文字より長くなっています。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the file ends early, in %3.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%3）：ファイルが途中で終わっています。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: an empty field (a comma with no number before it) in %3.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%3）：空の欄があります（数値のないところにカンマがあります）。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: an empty field (two commas in a row) in %3.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%3）：空の欄があります（カンマが 2 つ続いています）。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: an empty field (a comma at the end of the line) in %3.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%3）：空の欄があります（行末にカンマがあります）。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the field %3 is not a decimal number in %4.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%4）：欄 %3 は 10 進数ではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the number %3 is not finite in %4.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%4）：数値 %3 は有限の値ではありません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the number %3 is too large (not finite) in %4.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%4）：数値 %3 は大きすぎます（有限の値になりません）。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the value %3 is negative in %4; a TMR or OCR below 0 would be a negative dose.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%4）：値 %3 が負です。TMR や OCR が 0 未満では線量が負になります。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the %3 holds more numbers than its %4 rows of %5: %6 follows the last number of row %4, which must end its line.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目：%3の数値が %4 行 × %5 個より多くあります。%4 行目の最後の数値のあとに %6 が続いていますが、その数値で行が終わらなければなりません。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the depths must ascend, but TMR row %3 has %4 mm after %5 mm.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目：深さは昇順でなければなりませんが、TMR の %3 行目では %5 mm のあとが %4 mm です。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the deepest depth is %3 mm, but the table must reach at least 250 mm.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目：最も深い深さが %3 mm ですが、表は 250 mm 以上の深さまで必要です。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; cannot be loaded.</source>
        <translation>ビームデータファイル &quot;%1&quot; を読み込めません。</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>そのようなファイルやディレクトリはありません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセス権がありません</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>操作が許可されていません</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>ディレクトリです</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>ディレクトリではありません</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>シンボリックリンクの階層が多すぎます</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>ファイル名が長すぎます</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>入出力エラーです</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>メモリを確保できません</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>開いているファイルが多すぎます</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>システム全体で開いているファイルが多すぎます</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>デバイスまたはリソースが使用中です</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>そのようなデバイスやアドレスはありません</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>そのようなデバイスはありません</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>システムコールが中断されました</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>リソースが一時的に利用できません</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>引数が無効です</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>値がデータ型の範囲を超えています</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>ファイルハンドルが無効になっています</translation>
    </message>
    <message>
        <source>line %1 gives %2 for row %3 (x = %4)</source>
        <translation>%1 行目は %3 番目の行（x = %4）ですが %2 となっています</translation>
    </message>
    <message>
        <source>and %1 more rows</source>
        <translation>ほか %1 行</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the rows listed in the warning about OCR rows out of place.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;: OCR rows out of place (duplicated, missing or swapped rows shift the values): %2. The file was loaded as it stands.</source>
        <translation>ビームデータファイル &quot;%1&quot;：OCR の行の位置がずれています（行の重複・欠落・入れ替わりがあると値がずれます）：%2。ファイルはそのまま読み込みました。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the depth %3 is negative in %4; depths are measured down from the surface, from 0 mm.</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%4）：深さ %3 が負です。深さは表面を 0 mm として下向きに測ります。</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the value %3 is above 2 in %4; a TMR or OCR is a ratio near 1, not a percentage (a lost decimal point?).</source>
        <translation>ビームデータファイル &quot;%1&quot; の %2 行目（%4）：値 %3 が 2 を超えています。TMR や OCR は 1 前後の比で、百分率ではありません（小数点が抜けていませんか）。</translation>
    </message>
    <message>
        <source>The beam data file &quot;%1&quot; loaded and is used as it stands, but some of its values look implausible for a 6 MV beam. The details name the line of each.</source>
        <translation>ビームデータファイル &quot;%1&quot; を読み込み、そのまま使います。ただし、6 MV のビームとしては不自然な値があります。詳細にそれぞれの行を示します。</translation>
    </message>
</context>
<context>
    <name>BeamDataNames</name>
    <message>
        <source>Beam data: bundled</source>
        <translation>ビームデータ: 付属のデータ</translation>
    </message>
    <message>
        <source>Beam data: %1</source>
        <translation>ビームデータ: %1</translation>
    </message>
    <message>
        <source>The start button loads &quot;%1&quot;. Choose another file here, or drop one onto this window.</source>
        <translation>スタートで &quot;%1&quot; を読み込みます。ここで別のファイルを選ぶか、このウィンドウにファイルをドロップしてください。</translation>
    </message>
    <message>
        <source>Beam data: %1, %2</source>
        <translation>ビームデータ: %1、%2</translation>
    </message>
</context>
<context>
    <name>ChartWindowMessages</name>
    <message>
        <source>The chart was not saved: &quot;%1&quot; does not end in .png, .svg or .pdf.</source>
        <translation>チャートは保存されませんでした。&quot;%1&quot; の末尾が .png、.svg、.pdf のいずれでもありません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>ファイル &quot;%1&quot; はすでにあります。
置き換えますか？</translation>
    </message>
    <message>
        <source>The chart could not be saved as &quot;%1&quot;.
(%2)</source>
        <translation>チャートを &quot;%1&quot; として保存できませんでした。
(%2)</translation>
    </message>
    <message>
        <source>The profiles could not be saved as &quot;%1&quot;.
(%2)</source>
        <translation>プロファイルを &quot;%1&quot; として保存できませんでした。
(%2)</translation>
    </message>
    <message>
        <source>The reference could not be drawn, so it was cleared.
(%1)</source>
        <translation>基準の等線量曲線を描けなかったため、基準を解除しました。
(%1)</translation>
    </message>
    <message>
        <source>The chart could not be drawn again.
(%1)</source>
        <translation>チャートを描き直せませんでした。
(%1)</translation>
    </message>
</context>
<context>
    <name>DataTableMessages</name>
    <message>
        <source>The data file &quot;%1&quot; was not found, so the data table is empty. It needs the file&apos;s first %2 lines.</source>
        <translation>データファイル &quot;%1&quot; が見つからないため、データ表は空です。ファイルの最初の %2 行が必要です。</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; could not be read (%2), so the data table is empty.</source>
        <translation>データファイル &quot;%1&quot; を読み込めなかったため（%2）、データ表は空です。</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is empty. The data table needs its first %2 lines.</source>
        <translation>データファイル &quot;%1&quot; は空です。データ表にはファイルの最初の %2 行が必要です。</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; ends after line %2. The data table lists the file&apos;s first %3 lines, so line %3 is missing.</source>
        <translation>データファイル &quot;%1&quot; は %2 行目で終わっています。データ表はファイルの最初の %3 行を表示するため、%3 行目がありません。</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; ends after line %2. The data table lists the file&apos;s first %3 lines, so lines %4 to %3 are missing.</source>
        <translation>データファイル &quot;%1&quot; は %2 行目で終わっています。データ表はファイルの最初の %3 行を表示するため、%4 行目から %3 行目までがありません。</translation>
    </message>
    <message>
        <source>No curves: the data file did not load.
%1</source>
        <translation>曲線はありません：データファイルを読み込めませんでした。
%1</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>6 MV X-ray</source>
        <translation>6 MV X線</translation>
    </message>
    <message>
        <source>square field side (cm)</source>
        <translation>正方形照射野の一辺 (cm)</translation>
    </message>
    <message>
        <source>Depth (mm)</source>
        <translation>深さ (mm)</translation>
    </message>
    <message>
        <source>Off-axis distance x  (1 = field edge)</source>
        <translation>軸外距離 x  (1 = 照射野端)</translation>
    </message>
    <message>
        <source>depth %1 cm</source>
        <translation>深さ %1 cm</translation>
    </message>
    <message>
        <source>出口</source>
        <translation>出口</translation>
    </message>
    <message>
        <source>wedge</source>
        <translation>楔フィルタ</translation>
    </message>
    <message>
        <source>phantom surface</source>
        <translation>ファントム表面</translation>
    </message>
    <message>
        <source>target plane</source>
        <translation>標的面</translation>
    </message>
</context>
<context>
    <name>PrintChart</name>
    <message>
        <source>Save the chart as a PDF file</source>
        <translation>線量分布図を PDF ファイルとして保存</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>   Is the printer ready ?   </source>
        <translation>   プリンタの準備はできていますか？   </translation>
    </message>
</context>
<context>
    <name>PrinterMessages</name>
    <message>
        <source>The chart could not be drawn for printing.</source>
        <translation>印刷用に線量分布図を描けませんでした。</translation>
    </message>
    <message>
        <source>No printer is set up as the default printer on this computer, so the chart cannot be printed.</source>
        <translation>このコンピュータには既定のプリンタが設定されていないため、線量分布図を印刷できません。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not begin the page, so nothing was printed.</source>
        <translation>プリンタ &quot;%1&quot; がページを開始できなかったため、何も印刷されませんでした。</translation>
    </message>
    <message>
        <source>The drawing of the page failed on the way; the printer &quot;%1&quot; may print an incomplete page.</source>
        <translation>ページの描画が途中で失敗しました。プリンタ &quot;%1&quot; から不完全なページが印刷されるかもしれません。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error at the end of the page, so the chart was not printed.</source>
        <translation>プリンタ &quot;%1&quot; がページの終わりでエラーを報告したため、線量分布図は印刷されませんでした。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not accept the page, so the chart was not printed.</source>
        <translation>プリンタ &quot;%1&quot; がページを受け付けなかったため、線量分布図は印刷されませんでした。</translation>
    </message>
    <message>
        <source>IPP status 0x%1</source>
        <translation>IPP ステータス 0x%1</translation>
    </message>
    <message>
        <source>The paper of the printer &quot;%1&quot; leaves %2 x %3 mm to print on, less than the %4 x %5 mm of the chart.
The chart is printed true to scale, so part of it will be cut off.</source>
        <translation>プリンタ &quot;%1&quot; の用紙の印刷範囲は %2 × %3 mm で、線量分布図の %4 × %5 mm より小さくなっています。
線量分布図は実寸で印刷されるため、一部が切れます。</translation>
    </message>
    <message>
        <source>%1

Do you want to save the page as a PDF file instead?</source>
        <translation>%1

代わりにページを PDF ファイルとして保存しますか？</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written.
(%2)</source>
        <translation>PDF ファイル &quot;%1&quot; を書き込めませんでした。
(%2)</translation>
    </message>
</context>
<context>
    <name>corvane::ChartWindowTools</name>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Hold as reference</source>
        <translation>基準として保持</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <translation>基準を解除</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>チャートを保存…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>チャートをコピー</translation>
    </message>
    <message>
        <source>Reference (grey, dashed)</source>
        <translation>基準（灰色の破線）</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深さ</translation>
    </message>
</context>
<context>
    <name>corvane::Form1</name>
    <message>
        <source> Corvane of 6 MV X-ray Beam</source>
        <translation> 6 MV X線ビームの Corvane</translation>
    </message>
    <message>
        <source>高エネルギーX線 基本線量分布の計算法</source>
        <translation>高エネルギーX線 基本線量分布の計算法</translation>
    </message>
    <message>
        <source>6 MV X線</source>
        <translation>6 MV X線</translation>
    </message>
    <message>
        <source>   Woo !  </source>
        <translation>   ワン！  </translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>計算方法の概説</source>
        <translation>計算方法の概説</translation>
    </message>
    <message>
        <source> bye </source>
        <translation> さようなら </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Corvane project</source>
        <translation>Corvane プロジェクト</translation>
    </message>
    <message>
        <source>Choose the beam data file</source>
        <translation>ビームデータファイルを選ぶ</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>ファイルを選ぶ…</translation>
    </message>
    <message>
        <source>Bundled data</source>
        <translation>付属のデータ</translation>
    </message>
    <message>
        <source>Beam data</source>
        <translation>ビームデータ</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>corvane::Form2</name>
    <message>
        <source>6 MV X-ray  (SAD = 100 cm)</source>
        <translation>6 MV X線  (SAD = 100 cm)</translation>
    </message>
    <message>
        <source>Water phantom (thickness = 25 cm)</source>
        <translation>水ファントム (厚さ = 25 cm)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>照射法</translation>
    </message>
    <message>
        <source> Depth and Field Size </source>
        <translation> 深さと照射野サイズ </translation>
    </message>
    <message>
        <source>Depth of target</source>
        <translation>標的の深さ</translation>
    </message>
    <message>
        <source>Field Width at SAD</source>
        <translation>SAD での照射野幅</translation>
    </message>
    <message>
        <source>Field Length at SAD</source>
        <translation>SAD での照射野長</translation>
    </message>
    <message>
        <source>Wedge filter</source>
        <translation>楔フィルタ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Irradiate Condition</source>
        <translation>照射条件</translation>
    </message>
    <message>
        <source>   bye   </source>
        <translation>   さようなら   </translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>corvane::Form3</name>
    <message>
        <source>Print Corvane</source>
        <translation>Corvane を印刷</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Change mesh size</source>
        <translation>メッシュ切替</translation>
    </message>
    <message>
        <source>cursor position</source>
        <translation>カーソル位置</translation>
    </message>
    <message>
        <source>off center</source>
        <translation>軸外距離</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>深さ</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>線量</translation>
    </message>
</context>
<context>
    <name>corvane::Form4</name>
    <message>
        <source>TMRs  &amp;  OCRs</source>
        <translation>TMR・OCR データ表</translation>
    </message>
    <message>
        <source>Tissue-Maximum Ratio  and  Off-Center Ratio  Data Table</source>
        <translation>組織最大線量比 (TMR) と軸外線量比 (OCR) のデータ表</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>corvane::Form5</name>
    <message>
        <source>簡易二次元線量分布計算式</source>
        <translation>簡易二次元線量分布計算式</translation>
    </message>
    <message>
        <source>照射野サイズ A，深さ d，中心軸から l の位置の任意点における</source>
        <translation>照射野サイズ A，深さ d，中心軸から l の位置の任意点における</translation>
    </message>
    <message>
        <source>線量 D(d,Ad,l) は、簡易的に次式で計算できる。</source>
        <translation>線量 D(d,Ad,l) は、簡易的に次式で計算できる。</translation>
    </message>
    <message>
        <source>ここで</source>
        <translation>ここで</translation>
    </message>
    <message>
        <source>D(dr,10×10)：照射野10×10cmでの基準点(最大線量点)線量（Ｘ線出力）</source>
        <translation>D(dr,10×10)：照射野10×10cmでの基準点(最大線量点)線量（Ｘ線出力）</translation>
    </message>
    <message>
        <source>OPFr(A)：基準点出力係数（Sc×Sp）</source>
        <translation>OPFr(A)：基準点出力係数（Sc×Sp）</translation>
    </message>
    <message>
        <source>TMR(d,Ad)：組織最大線量比</source>
        <translation>TMR(d,Ad)：組織最大線量比</translation>
    </message>
    <message>
        <source>OCR(d,Ad,l)：軸外線量比</source>
        <translation>OCR(d,Ad,l)：軸外線量比</translation>
    </message>
    <message>
        <source>Fw(l&apos;)：楔フィルタによる減弱補正係数（ l&apos; における減弱率）</source>
        <translation>Fw(l&apos;)：楔フィルタによる減弱補正係数（ l&apos; における減弱率）</translation>
    </message>
    <message>
        <source>中心軸を含むファントム断面をメッシュ状 (本計算では１mmメッシュ) に区切り、</source>
        <translation>中心軸を含むファントム断面をメッシュ状 (本計算では１mmメッシュ) に区切り、</translation>
    </message>
    <message>
        <source>各メッシュ交点における線量を計算する。標的中心の線量を100%とした時の、</source>
        <translation>各メッシュ交点における線量を計算する。標的中心の線量を100%とした時の、</translation>
    </message>
    <message>
        <source>ファントム断面における等線量点を結んで等線量曲線を作図する。</source>
        <translation>ファントム断面における等線量点を結んで等線量曲線を作図する。</translation>
    </message>
    <message>
        <source>TMR and OCR data</source>
        <translation>TMR・OCR データ</translation>
    </message>
    <message>
        <source>6MVＸ線の代表的なTMR，OCRデータ</source>
        <translation>6MVＸ線の代表的なTMR，OCRデータ</translation>
    </message>
    <message>
        <source>長方形照射野の場合、等価正方形に換算してデータ表から値を求める。</source>
        <translation>長方形照射野の場合、等価正方形に換算してデータ表から値を求める。</translation>
    </message>
    <message>
        <source>照射野、深さなどがデータ点と一致しない場合、内挿・外挿補間で値を求める。</source>
        <translation>照射野、深さなどがデータ点と一致しない場合、内挿・外挿補間で値を求める。</translation>
    </message>
    <message>
        <source>なお、本計算では楔フィルタを下記のとおり設定した。</source>
        <translation>なお、本計算では楔フィルタを下記のとおり設定した。</translation>
    </message>
    <message>
        <source>（本計算では Dynamic wedge は想定していない）</source>
        <translation>（本計算ではダイナミックウェッジは想定していない）</translation>
    </message>
    <message>
        <source>楔フィルタは鉛製 simple wedge とし、物理的角度は以下の通りとした。</source>
        <translation>楔フィルタは鉛製の物理ウェッジとし、物理的角度は以下の通りとした。</translation>
    </message>
    <message>
        <source>30°：5.46°&#x3000;45°：8.80°&#x3000;60°：13.82°</source>
        <translation>30°：5.46°&#x3000;45°：8.80°&#x3000;60°：13.82°</translation>
    </message>
    <message>
        <source>6MVＸ線に対する鉛の実効線減弱係数&#x3000;&#x3000;  = 0.5927 cm   とした。</source>
        <translation>6MVＸ線に対する鉛の実効線減弱係数&#x3000;&#x3000;  = 0.5927 cm   とした。</translation>
    </message>
    <message>
        <source>線源‐楔フィルタ間距離は 60 cmとした。</source>
        <translation>線源‐楔フィルタ間距離は 60 cmとした。</translation>
    </message>
    <message>
        <source>照射ジオメトリを示す模式図</source>
        <translation>照射ジオメトリを示す模式図</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Calculation Formula</source>
        <translation>計算式</translation>
    </message>
</context>
<context>
    <name>corvane::Module1</name>
    <message>
        <source>  線量分布が正しく計算できませんでした  </source>
        <translation>  線量分布が正しく計算できませんでした  </translation>
    </message>
    <message>
        <source>  照射野サイズが大きすぎるものと思われます  </source>
        <translation>  照射野サイズが大きすぎるものと思われます  </translation>
    </message>
</context>
<context>
    <name>corvane::ProfilesWindow</name>
    <message>
        <source>Corvane profiles</source>
        <translation>Corvane プロファイル</translation>
    </message>
    <message>
        <source>depth (mm)</source>
        <translation>深さ (mm)</translation>
    </message>
    <message>
        <source>off-axis position (mm)</source>
        <translation>軸外距離 (mm)</translation>
    </message>
    <message>
        <source>Depth of maximum</source>
        <translation>最大線量深</translation>
    </message>
    <message>
        <source>Dose at 100 mm</source>
        <translation>深さ 100 mm の線量</translation>
    </message>
    <message>
        <source>Dose at 200 mm</source>
        <translation>深さ 200 mm の線量</translation>
    </message>
    <message>
        <source>D200 / D100</source>
        <translation>D200 / D100</translation>
    </message>
    <message>
        <source>Against the dose on the central axis at this depth:</source>
        <translation>この深さの中心軸上の線量に対して：</translation>
    </message>
    <message>
        <source>Width at 50 %</source>
        <translation>50 % 幅</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>基準</translation>
    </message>
    <message>
        <source>current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>dose (%)</source>
        <translation>線量 (%)</translation>
    </message>
    <message>
        <source>Depth dose along x = %1 mm</source>
        <translation>深部線量（x = %1 mm）</translation>
    </message>
    <message>
        <source>Lateral profile at depth %1 mm</source>
        <translation>軸外線量分布（深さ %1 mm）</translation>
    </message>
    <message>
        <source>; reference %1 %, difference %2 %</source>
        <translation>；基準 %1 %、差 %2 %</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Penumbra 80–20 %, left</source>
        <translation>半影 80–20 %（左）</translation>
    </message>
    <message>
        <source>Penumbra 80–20 %, right</source>
        <translation>半影 80–20 %（右）</translation>
    </message>
    <message>
        <source>D100 / Dmax</source>
        <translation>D100 / 最大線量</translation>
    </message>
    <message>
        <source>D200 / Dmax</source>
        <translation>D200 / 最大線量</translation>
    </message>
    <message>
        <source>The dose at 100 mm and at 200 mm depth in percent of the largest dose on this depth dose line. In the SSD set-up with the cross-hair on the central axis, these are the percentage depth doses PDD(10) and PDD(20).</source>
        <translation>深さ 100 mm と 200 mm の線量を、この深部線量曲線上の最大線量に対する百分率で示します。SSD 法で十字線が中心軸上にあるとき、これは深部量百分率 PDD(10) と PDD(20) です。</translation>
    </message>
    <message>
        <source>Save profiles as CSV…</source>
        <translation>プロファイルを CSV で保存…</translation>
    </message>
    <message>
        <source>Copy values</source>
        <translation>数値をコピー</translation>
    </message>
    <message>
        <source>Dotted: the edge of the computed region, %1 mm from the axis; beyond it the dose is not computed.</source>
        <translation>点線：計算範囲の端（軸から %1 mm）。その外側の線量は計算されていません。</translation>
    </message>
    <message>
        <source>x = %1 mm, depth %2 mm: %3</source>
        <translation>x = %1 mm、深さ %2 mm：%3</translation>
    </message>
    <message>
        <source>outside the computed region</source>
        <translation>計算範囲の外</translation>
    </message>
    <message>
        <source>; the reference was not computed here</source>
        <translation>；基準はここでは計算されていません</translation>
    </message>
    <message>
        <source>; reference %1 %</source>
        <translation>；基準 %1 %</translation>
    </message>
    <message>
        <source>Not given for a wedged field: the dose on the central axis, which the 80 % and 20 % levels are taken from, lies between the heel&apos;s and the toe&apos;s, so the distance would measure the wedge&apos;s slope as well.</source>
        <translation>ウェッジを用いた照射野では示しません。80 % と 20 % の基準となる中心軸上の線量はヒール側とトウ側の線量の間にあるため、この距離にはウェッジによる傾きまで含まれてしまいます。</translation>
    </message>
</context>
<context>
    <name>corvane::SaveChart</name>
    <message>
        <source>Save chart as</source>
        <translation>チャートを保存</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>PNG 画像、2 倍の大きさ (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>PDF, the printed page at true scale (*.pdf)</source>
        <translation>PDF、実寸の印刷ページ (*.pdf)</translation>
    </message>
    <message>
        <source>Save profiles as CSV</source>
        <translation>プロファイルを CSV で保存</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV 表 (*.csv)</translation>
    </message>
</context>
</TS>
