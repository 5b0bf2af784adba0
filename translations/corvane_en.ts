<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BeamDataCheckMessages</name>
    <message>
        <source>line %1: the TMR %2 of the %3 cm field at %4 mm is above 1.05; a TMR is 1 at the depth of maximum dose and cannot lie much above it.</source>
        <translation>line %1: the TMR %2 of the %3 cm field at %4 mm is above 1.05; a TMR is 1 at the depth of maximum dose and cannot lie much above it.</translation>
    </message>
    <message>
        <source>and %1 more TMRs above 1.05.</source>
        <translation>and %1 more TMRs above 1.05.</translation>
    </message>
    <message>
        <source>line %1: the TMR of the %2 cm field rises from %3 at %4 mm to %5 at %6 mm; beyond 5 cm depth the beam is attenuated and the TMR falls.</source>
        <translation>line %1: the TMR of the %2 cm field rises from %3 at %4 mm to %5 at %6 mm; beyond 5 cm depth the beam is attenuated and the TMR falls.</translation>
    </message>
    <message>
        <source>and %1 more TMRs that rise with depth beyond 5 cm.</source>
        <translation>and %1 more TMRs that rise with depth beyond 5 cm.</translation>
    </message>
    <message>
        <source>line %1: at %2 mm the TMR falls from %3 for the %4 cm field to %5 for the %6 cm field; a larger field adds scatter, so its TMR is not lower.</source>
        <translation>line %1: at %2 mm the TMR falls from %3 for the %4 cm field to %5 for the %6 cm field; a larger field adds scatter, so its TMR is not lower.</translation>
    </message>
    <message>
        <source>and %1 more TMRs that fall with field size.</source>
        <translation>and %1 more TMRs that fall with field size.</translation>
    </message>
    <message>
        <source>line %1: the OCR on the axis at %2 cm depth is %3, more than 1 % from 1; the profiles are relative to the axis, where the OCR is 1.</source>
        <translation>line %1: the OCR on the axis at %2 cm depth is %3, more than 1 % from 1; the profiles are relative to the axis, where the OCR is 1.</translation>
    </message>
    <message>
        <source>and %1 more OCRs on the axis more than 1 % from 1.</source>
        <translation>and %1 more OCRs on the axis more than 1 % from 1.</translation>
    </message>
    <message>
        <source>line %1: the OCR at %2 cm depth rises beyond the field edge, from %3 at x = %4 to %5 at x = %6; outside the field the dose falls with the distance from the edge.</source>
        <translation>line %1: the OCR at %2 cm depth rises beyond the field edge, from %3 at x = %4 to %5 at x = %6; outside the field the dose falls with the distance from the edge.</translation>
    </message>
    <message>
        <source>and %1 more OCRs that rise beyond the field edge.</source>
        <translation>and %1 more OCRs that rise beyond the field edge.</translation>
    </message>
    <message>
        <source>lines %1 and %2: TPR20,10 of the 10 x 10 cm field is %3, outside 0.64 to 0.70, the range of 6 MV beams; the wedge model assumes a 6 MV beam (lead wedges, 0.5927 per cm).</source>
        <translation>lines %1 and %2: TPR20,10 of the 10 x 10 cm field is %3, outside 0.64 to 0.70, the range of 6 MV beams; the wedge model assumes a 6 MV beam (lead wedges, 0.5927 per cm).</translation>
    </message>
    <message>
        <source>and %1 more TPR20,10 values outside 0.64 to 0.70.</source>
        <translation>and %1 more TPR20,10 values outside 0.64 to 0.70.</translation>
    </message>
    <message>
        <source>the dose of a 10 x 10 cm field at SSD 100 cm cannot be calculated from these tables, so there is no PDD(10) and PDD(20); the windows fail for that field too.</source>
        <translation>the dose of a 10 x 10 cm field at SSD 100 cm cannot be calculated from these tables, so there is no PDD(10) and PDD(20); the windows fail for that field too.</translation>
    </message>
    <message>
        <source>and %1 more failed calculations.</source>
        <translation>and %1 more failed calculations.</translation>
    </message>
</context>
<context>
    <name>BeamDataMessages</name>
    <message>
        <source>heading</source>
        <translation>heading</translation>
    </message>
    <message>
        <source>TMR block</source>
        <translation>TMR block</translation>
    </message>
    <message>
        <source>separator lines</source>
        <translation>separator lines</translation>
    </message>
    <message>
        <source>OCR block</source>
        <translation>OCR block</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>the %1 at line %2 of %3</source>
        <translation>the %1 at line %2 of %3</translation>
    </message>
    <message>
        <source>the %1 at row %2 of %3 (number %4 of %5)</source>
        <translation>the %1 at row %2 of %3 (number %4 of %5)</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a folder, not a file.</source>
        <translation>Beam data file &quot;%1&quot; is a folder, not a file.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a named pipe (FIFO), not a regular file.</source>
        <translation>Beam data file &quot;%1&quot; is a named pipe (FIFO), not a regular file.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a character device, not a regular file.</source>
        <translation>Beam data file &quot;%1&quot; is a character device, not a regular file.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a block device, not a regular file.</source>
        <translation>Beam data file &quot;%1&quot; is a block device, not a regular file.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is a socket, not a regular file.</source>
        <translation>Beam data file &quot;%1&quot; is a socket, not a regular file.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; is not a regular file.</source>
        <translation>Beam data file &quot;%1&quot; is not a regular file.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; was not found.</source>
        <translation>Beam data file &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Beam data file &quot;%1&quot; cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; could not be read: %2.</source>
        <translation>Beam data file &quot;%1&quot; could not be read: %2.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the file goes on past 1 MiB before its tables are complete, in %3; a beam data file is a few kilobytes.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the file goes on past 1 MiB before its tables are complete, in %3; a beam data file is a few kilobytes.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the line is longer than 64 KiB, in %3.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the line is longer than 64 KiB, in %3.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the field %3 is longer than 64 characters, in %4.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the field %3 is longer than 64 characters, in %4.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the file ends early, in %3.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the file ends early, in %3.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: an empty field (a comma with no number before it) in %3.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: an empty field (a comma with no number before it) in %3.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: an empty field (two commas in a row) in %3.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: an empty field (two commas in a row) in %3.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: an empty field (a comma at the end of the line) in %3.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: an empty field (a comma at the end of the line) in %3.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the field %3 is not a decimal number in %4.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the field %3 is not a decimal number in %4.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the number %3 is not finite in %4.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the number %3 is not finite in %4.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the number %3 is too large (not finite) in %4.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the number %3 is too large (not finite) in %4.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the value %3 is negative in %4; a TMR or OCR below 0 would be a negative dose.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the value %3 is negative in %4; a TMR or OCR below 0 would be a negative dose.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the %3 holds more numbers than its %4 rows of %5: %6 follows the last number of row %4, which must end its line.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the %3 holds more numbers than its %4 rows of %5: %6 follows the last number of row %4, which must end its line.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the depths must ascend, but TMR row %3 has %4 mm after %5 mm.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the depths must ascend, but TMR row %3 has %4 mm after %5 mm.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the deepest depth is %3 mm, but the table must reach at least 250 mm.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the deepest depth is %3 mm, but the table must reach at least 250 mm.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot; cannot be loaded.</source>
        <translation>Beam data file &quot;%1&quot; cannot be loaded.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Too many open files in system</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>No such device or address</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Interrupted system call</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Resource temporarily unavailable</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>Value too large for defined data type</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Stale file handle</translation>
    </message>
    <message>
        <source>line %1 gives %2 for row %3 (x = %4)</source>
        <translation>line %1 gives %2 for row %3 (x = %4)</translation>
    </message>
    <message>
        <source>and %1 more rows</source>
        <translation>and %1 more rows</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the rows listed in the warning about OCR rows out of place.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;: OCR rows out of place (duplicated, missing or swapped rows shift the values): %2. The file was loaded as it stands.</source>
        <translation>Beam data file &quot;%1&quot;: OCR rows out of place (duplicated, missing or swapped rows shift the values): %2. The file was loaded as it stands.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the depth %3 is negative in %4; depths are measured down from the surface, from 0 mm.</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the depth %3 is negative in %4; depths are measured down from the surface, from 0 mm.</translation>
    </message>
    <message>
        <source>Beam data file &quot;%1&quot;, line %2: the value %3 is above 2 in %4; a TMR or OCR is a ratio near 1, not a percentage (a lost decimal point?).</source>
        <translation>Beam data file &quot;%1&quot;, line %2: the value %3 is above 2 in %4; a TMR or OCR is a ratio near 1, not a percentage (a lost decimal point?).</translation>
    </message>
    <message>
        <source>The beam data file &quot;%1&quot; loaded and is used as it stands, but some of its values look implausible for a 6 MV beam. The details name the line of each.</source>
        <translation>The beam data file &quot;%1&quot; loaded and is used as it stands, but some of its values look implausible for a 6 MV beam. The details name the line of each.</translation>
    </message>
</context>
<context>
    <name>BeamDataNames</name>
    <message>
        <source>Beam data: bundled</source>
        <translation>Beam data: bundled</translation>
    </message>
    <message>
        <source>Beam data: %1</source>
        <translation>Beam data: %1</translation>
    </message>
    <message>
        <source>The start button loads &quot;%1&quot;. Choose another file here, or drop one onto this window.</source>
        <translation>The start button loads &quot;%1&quot;. Choose another file here, or drop one onto this window.</translation>
    </message>
    <message>
        <source>Beam data: %1, %2</source>
        <translation>Beam data: %1, %2</translation>
    </message>
</context>
<context>
    <name>ChartWindowMessages</name>
    <message>
        <source>The chart was not saved: &quot;%1&quot; does not end in .png, .svg or .pdf.</source>
        <translation>The chart was not saved: &quot;%1&quot; does not end in .png, .svg or .pdf.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>The file &quot;%1&quot; already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>The chart could not be saved as &quot;%1&quot;.
(%2)</source>
        <translation>The chart could not be saved as &quot;%1&quot;.
(%2)</translation>
    </message>
    <message>
        <source>The profiles could not be saved as &quot;%1&quot;.
(%2)</source>
        <translation>The profiles could not be saved as &quot;%1&quot;.
(%2)</translation>
    </message>
    <message>
        <source>The reference could not be drawn, so it was cleared.
(%1)</source>
        <translation>The reference could not be drawn, so it was cleared.
(%1)</translation>
    </message>
    <message>
        <source>The chart could not be drawn again.
(%1)</source>
        <translation>The chart could not be drawn again.
(%1)</translation>
    </message>
</context>
<context>
    <name>DataTableMessages</name>
    <message>
        <source>The data file &quot;%1&quot; was not found, so the data table is empty. It needs the file&apos;s first %2 lines.</source>
        <translation>The data file &quot;%1&quot; was not found, so the data table is empty. It needs the file&apos;s first %2 lines.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; could not be read (%2), so the data table is empty.</source>
        <translation>The data file &quot;%1&quot; could not be read (%2), so the data table is empty.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is empty. The data table needs its first %2 lines.</source>
        <translation>The data file &quot;%1&quot; is empty. The data table needs its first %2 lines.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; ends after line %2. The data table lists the file&apos;s first %3 lines, so line %3 is missing.</source>
        <translation>The data file &quot;%1&quot; ends after line %2. The data table lists the file&apos;s first %3 lines, so line %3 is missing.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; ends after line %2. The data table lists the file&apos;s first %3 lines, so lines %4 to %3 are missing.</source>
        <translation>The data file &quot;%1&quot; ends after line %2. The data table lists the file&apos;s first %3 lines, so lines %4 to %3 are missing.</translation>
    </message>
    <message>
        <source>No curves: the data file did not load.
%1</source>
        <translation>No curves: the data file did not load.
%1</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>6 MV X-ray</source>
        <translation>6 MV X-ray</translation>
    </message>
    <message>
        <source>square field side (cm)</source>
        <translation>square field side (cm)</translation>
    </message>
    <message>
        <source>Depth (mm)</source>
        <translation>Depth (mm)</translation>
    </message>
    <message>
        <source>Off-axis distance x  (1 = field edge)</source>
        <translation>Off-axis distance x  (1 = field edge)</translation>
    </message>
    <message>
        <source>depth %1 cm</source>
        <translation>depth %1 cm</translation>
    </message>
    <message>
        <source>出口</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>wedge</source>
        <translation>wedge</translation>
    </message>
    <message>
        <source>phantom surface</source>
        <translation>phantom surface</translation>
    </message>
    <message>
        <source>target plane</source>
        <translation>target plane</translation>
    </message>
</context>
<context>
    <name>PrintChart</name>
    <message>
        <source>Save the chart as a PDF file</source>
        <translation>Save the chart as a PDF file</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>   Is the printer ready ?   </source>
        <translation>   Is the printer ready?   </translation>
    </message>
</context>
<context>
    <name>PrinterMessages</name>
    <message>
        <source>The chart could not be drawn for printing.</source>
        <translation>The chart could not be drawn for printing.</translation>
    </message>
    <message>
        <source>No printer is set up as the default printer on this computer, so the chart cannot be printed.</source>
        <translation>No printer is set up as the default printer on this computer, so the chart cannot be printed.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not begin the page, so nothing was printed.</source>
        <translation>The printer &quot;%1&quot; could not begin the page, so nothing was printed.</translation>
    </message>
    <message>
        <source>The drawing of the page failed on the way; the printer &quot;%1&quot; may print an incomplete page.</source>
        <translation>The drawing of the page failed on the way; the printer &quot;%1&quot; may print an incomplete page.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error at the end of the page, so the chart was not printed.</source>
        <translation>The printer &quot;%1&quot; reported an error at the end of the page, so the chart was not printed.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not accept the page, so the chart was not printed.</source>
        <translation>The printer &quot;%1&quot; did not accept the page, so the chart was not printed.</translation>
    </message>
    <message>
        <source>IPP status 0x%1</source>
        <translation>IPP status 0x%1</translation>
    </message>
    <message>
        <source>The paper of the printer &quot;%1&quot; leaves %2 x %3 mm to print on, less than the %4 x %5 mm of the chart.
The chart is printed true to scale, so part of it will be cut off.</source>
        <translation>The paper of the printer &quot;%1&quot; leaves %2 x %3 mm to print on, less than the %4 x %5 mm of the chart.
The chart is printed true to scale, so part of it will be cut off.</translation>
    </message>
    <message>
        <source>%1

Do you want to save the page as a PDF file instead?</source>
        <translation>%1

Do you want to save the page as a PDF file instead?</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written.
(%2)</source>
        <translation>The PDF file &quot;%1&quot; could not be written.
(%2)</translation>
    </message>
</context>
<context>
    <name>corvane::ChartWindowTools</name>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Hold as reference</source>
        <translation>Hold as reference</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <translation>Clear reference</translation>
    </message>
    <message>
        <source>Save chart as…</source>
        <translation>Save chart as…</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Copy chart</translation>
    </message>
    <message>
        <source>Reference (grey, dashed)</source>
        <translation>Reference (grey, dashed)</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Depth</translation>
    </message>
</context>
<context>
    <name>corvane::Form1</name>
    <message>
        <source> Corvane of 6 MV X-ray Beam</source>
        <translation> Corvane of 6 MV X-ray Beam</translation>
    </message>
    <message>
        <source>高エネルギーX線 基本線量分布の計算法</source>
        <translation>Basic dose calculation for high-energy X-rays</translation>
    </message>
    <message>
        <source>6 MV X線</source>
        <translation>6 MV X-rays</translation>
    </message>
    <message>
        <source>   Woo !  </source>
        <translation>   Woo !  </translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>計算方法の概説</source>
        <translation>Calculation method</translation>
    </message>
    <message>
        <source> bye </source>
        <translation> bye </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Corvane project</source>
        <translation>Corvane project</translation>
    </message>
    <message>
        <source>Choose the beam data file</source>
        <translation>Choose the beam data file</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Choose a file…</translation>
    </message>
    <message>
        <source>Bundled data</source>
        <translation>Bundled data</translation>
    </message>
    <message>
        <source>Beam data</source>
        <translation>Beam data</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>All files</translation>
    </message>
</context>
<context>
    <name>corvane::Form2</name>
    <message>
        <source>6 MV X-ray  (SAD = 100 cm)</source>
        <translation>6 MV X-ray  (SAD = 100 cm)</translation>
    </message>
    <message>
        <source>Water phantom (thickness = 25 cm)</source>
        <translation>Water phantom (thickness = 25 cm)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Set-up</translation>
    </message>
    <message>
        <source> Depth and Field Size </source>
        <translation> Depth and Field Size </translation>
    </message>
    <message>
        <source>Depth of target</source>
        <translation>Target depth</translation>
    </message>
    <message>
        <source>Field Width at SAD</source>
        <translation>Field Width at SAD</translation>
    </message>
    <message>
        <source>Field Length at SAD</source>
        <translation>Field Length at SAD</translation>
    </message>
    <message>
        <source>Wedge filter</source>
        <translation>Wedge filter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Irradiate Condition</source>
        <translation>Irradiation Conditions</translation>
    </message>
    <message>
        <source>   bye   </source>
        <translation>   bye   </translation>
    </message>
    <message>
        <source>Non</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>corvane::Form3</name>
    <message>
        <source>Print Corvane</source>
        <translation>Print Corvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Change mesh size</source>
        <translation>Change mesh size</translation>
    </message>
    <message>
        <source>cursor position</source>
        <translation>cursor position</translation>
    </message>
    <message>
        <source>off center</source>
        <translation>off-center</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>depth</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>Dose</translation>
    </message>
</context>
<context>
    <name>corvane::Form4</name>
    <message>
        <source>TMRs  &amp;  OCRs</source>
        <translation>TMRs  &amp;  OCRs</translation>
    </message>
    <message>
        <source>Tissue-Maximum Ratio  and  Off-Center Ratio  Data Table</source>
        <translation>Tissue-Maximum Ratio  and  Off-Center Ratio  Data Table</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>corvane::Form5</name>
    <message>
        <source>簡易二次元線量分布計算式</source>
        <translation>A simple formula for the two-dimensional dose distribution</translation>
    </message>
    <message>
        <source>照射野サイズ A，深さ d，中心軸から l の位置の任意点における</source>
        <translation>At any point at depth d and distance l from the central axis in a field of size A,</translation>
    </message>
    <message>
        <source>線量 D(d,Ad,l) は、簡易的に次式で計算できる。</source>
        <translation>the dose D(d,Ad,l) is approximately given by</translation>
    </message>
    <message>
        <source>ここで</source>
        <translation>where</translation>
    </message>
    <message>
        <source>D(dr,10×10)：照射野10×10cmでの基準点(最大線量点)線量（Ｘ線出力）</source>
        <translation>D(dr,10×10): output at the reference point (dose maximum) in a 10×10 cm field</translation>
    </message>
    <message>
        <source>OPFr(A)：基準点出力係数（Sc×Sp）</source>
        <translation>OPFr(A): output factor at the reference point (Sc×Sp)</translation>
    </message>
    <message>
        <source>TMR(d,Ad)：組織最大線量比</source>
        <translation>TMR(d,Ad): tissue-maximum ratio</translation>
    </message>
    <message>
        <source>OCR(d,Ad,l)：軸外線量比</source>
        <translation>OCR(d,Ad,l): off-center ratio</translation>
    </message>
    <message>
        <source>Fw(l&apos;)：楔フィルタによる減弱補正係数（ l&apos; における減弱率）</source>
        <translation>Fw(l&apos;): attenuation correction factor of the wedge filter (its transmission at l&apos;)</translation>
    </message>
    <message>
        <source>中心軸を含むファントム断面をメッシュ状 (本計算では１mmメッシュ) に区切り、</source>
        <translation>The phantom plane through the central axis is divided into a 1 mm mesh, and</translation>
    </message>
    <message>
        <source>各メッシュ交点における線量を計算する。標的中心の線量を100%とした時の、</source>
        <translation>the dose is calculated at each mesh point. Relative to 100 % at the target center,</translation>
    </message>
    <message>
        <source>ファントム断面における等線量点を結んで等線量曲線を作図する。</source>
        <translation>isodose curves join equal doses.</translation>
    </message>
    <message>
        <source>TMR and OCR data</source>
        <translation>TMR and OCR data</translation>
    </message>
    <message>
        <source>6MVＸ線の代表的なTMR，OCRデータ</source>
        <translation>Typical 6 MV TMR and OCR data</translation>
    </message>
    <message>
        <source>長方形照射野の場合、等価正方形に換算してデータ表から値を求める。</source>
        <translation>Rectangular fields are converted to equivalent squares to read the tables.</translation>
    </message>
    <message>
        <source>照射野、深さなどがデータ点と一致しない場合、内挿・外挿補間で値を求める。</source>
        <translation>Values between or beyond the data points are interpolated or extrapolated.</translation>
    </message>
    <message>
        <source>なお、本計算では楔フィルタを下記のとおり設定した。</source>
        <translation>The wedge filters are set up here as follows.</translation>
    </message>
    <message>
        <source>（本計算では Dynamic wedge は想定していない）</source>
        <translation>(Dynamic wedges are not modeled here.)</translation>
    </message>
    <message>
        <source>楔フィルタは鉛製 simple wedge とし、物理的角度は以下の通りとした。</source>
        <translation>The wedge filters are simple lead wedges with these physical angles:</translation>
    </message>
    <message>
        <source>30°：5.46°&#x3000;45°：8.80°&#x3000;60°：13.82°</source>
        <translation>30°: 5.46°    45°: 8.80°    60°: 13.82°</translation>
    </message>
    <message>
        <source>6MVＸ線に対する鉛の実効線減弱係数&#x3000;&#x3000;  = 0.5927 cm   とした。</source>
        <translation>Effective attenuation coefficient of lead for 6 MV X-rays:            = 0.5927 cm</translation>
    </message>
    <message>
        <source>線源‐楔フィルタ間距離は 60 cmとした。</source>
        <translation>The distance from the source to the wedge filter is 60 cm.</translation>
    </message>
    <message>
        <source>照射ジオメトリを示す模式図</source>
        <translation>Sketch of the irradiation geometry</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Calculation Formula</source>
        <translation>Calculation Formula</translation>
    </message>
</context>
<context>
    <name>corvane::Module1</name>
    <message>
        <source>  線量分布が正しく計算できませんでした  </source>
        <translation>  The dose distribution could not be calculated correctly  </translation>
    </message>
    <message>
        <source>  照射野サイズが大きすぎるものと思われます  </source>
        <translation>  The field size is probably too large  </translation>
    </message>
</context>
<context>
    <name>corvane::ProfilesWindow</name>
    <message>
        <source>Corvane profiles</source>
        <translation>Corvane profiles</translation>
    </message>
    <message>
        <source>depth (mm)</source>
        <translation>depth (mm)</translation>
    </message>
    <message>
        <source>off-axis position (mm)</source>
        <translation>off-axis position (mm)</translation>
    </message>
    <message>
        <source>Depth of maximum</source>
        <translation>Depth of maximum</translation>
    </message>
    <message>
        <source>Dose at 100 mm</source>
        <translation>Dose at 100 mm</translation>
    </message>
    <message>
        <source>Dose at 200 mm</source>
        <translation>Dose at 200 mm</translation>
    </message>
    <message>
        <source>D200 / D100</source>
        <translation>D200 / D100</translation>
    </message>
    <message>
        <source>Against the dose on the central axis at this depth:</source>
        <translation>Against the dose on the central axis at this depth:</translation>
    </message>
    <message>
        <source>Width at 50 %</source>
        <translation>Width at 50 %</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>reference</translation>
    </message>
    <message>
        <source>current</source>
        <translation>current</translation>
    </message>
    <message>
        <source>dose (%)</source>
        <translation>dose (%)</translation>
    </message>
    <message>
        <source>Depth dose along x = %1 mm</source>
        <translation>Depth dose along x = %1 mm</translation>
    </message>
    <message>
        <source>Lateral profile at depth %1 mm</source>
        <translation>Lateral profile at depth %1 mm</translation>
    </message>
    <message>
        <source>; reference %1 %, difference %2 %</source>
        <translation>; reference %1 %, difference %2 %</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Penumbra 80–20 %, left</source>
        <translation>Penumbra 80–20 %, left</translation>
    </message>
    <message>
        <source>Penumbra 80–20 %, right</source>
        <translation>Penumbra 80–20 %, right</translation>
    </message>
    <message>
        <source>D100 / Dmax</source>
        <translation>D100 / Dmax</translation>
    </message>
    <message>
        <source>D200 / Dmax</source>
        <translation>D200 / Dmax</translation>
    </message>
    <message>
        <source>The dose at 100 mm and at 200 mm depth in percent of the largest dose on this depth dose line. In the SSD set-up with the cross-hair on the central axis, these are the percentage depth doses PDD(10) and PDD(20).</source>
        <translation>The dose at 100 mm and at 200 mm depth in percent of the largest dose on this depth dose line. In the SSD set-up with the cross-hair on the central axis, these are the percentage depth doses PDD(10) and PDD(20).</translation>
    </message>
    <message>
        <source>Save profiles as CSV…</source>
        <translation>Save profiles as CSV…</translation>
    </message>
    <message>
        <source>Copy values</source>
        <translation>Copy values</translation>
    </message>
    <message>
        <source>Dotted: the edge of the computed region, %1 mm from the axis; beyond it the dose is not computed.</source>
        <translation>Dotted: the edge of the computed region, %1 mm from the axis; beyond it the dose is not computed.</translation>
    </message>
    <message>
        <source>x = %1 mm, depth %2 mm: %3</source>
        <translation>x = %1 mm, depth %2 mm: %3</translation>
    </message>
    <message>
        <source>outside the computed region</source>
        <translation>outside the computed region</translation>
    </message>
    <message>
        <source>; the reference was not computed here</source>
        <translation>; the reference was not computed here</translation>
    </message>
    <message>
        <source>; reference %1 %</source>
        <translation>; reference %1 %</translation>
    </message>
    <message>
        <source>Not given for a wedged field: the dose on the central axis, which the 80 % and 20 % levels are taken from, lies between the heel&apos;s and the toe&apos;s, so the distance would measure the wedge&apos;s slope as well.</source>
        <translation>Not given for a wedged field: the dose on the central axis, which the 80 % and 20 % levels are taken from, lies between the heel&apos;s and the toe&apos;s, so the distance would measure the wedge&apos;s slope as well.</translation>
    </message>
</context>
<context>
    <name>corvane::SaveChart</name>
    <message>
        <source>Save chart as</source>
        <translation>Save chart as</translation>
    </message>
    <message>
        <source>PNG picture, twice the size (*.png)</source>
        <translation>PNG picture, twice the size (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>PDF, the printed page at true scale (*.pdf)</source>
        <translation>PDF, the printed page at true scale (*.pdf)</translation>
    </message>
    <message>
        <source>Save profiles as CSV</source>
        <translation>Save profiles as CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
</TS>
