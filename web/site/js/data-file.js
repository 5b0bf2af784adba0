// A beam data file as the page reads it: the bytes the loader may look at,
// and its lines as the data table lists them.

// The data table lists the file's first 66 lines: three heading lines, 37
// TMR rows, four separator lines, 21 OCR rows and the line after them.
export const DATA_TABLE_LINES = 66;

// The loader reads at most `limit` bytes and is told whether more follow.
export async function readDataFile(file, limit) {
  const bytes = new Uint8Array(await file.slice(0, limit).arrayBuffer());
  return { name: file.name, bytes, moreFollows: file.size > limit };
}

export async function fetchDataFile(url, name) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  return { name, bytes: new Uint8Array(await response.arrayBuffer()), moreFollows: false };
}

// UTF-8 if the whole text is valid UTF-8, else Shift_JIS if that decodes it
// without fault, else Latin-1, which decodes anything.
export function decodeDataText(bytes) {
  for (const encoding of ['utf-8', 'shift_jis']) {
    try {
      return new TextDecoder(encoding, { fatal: true }).decode(bytes);
    } catch {
      // Not this encoding; try the next.
    }
  }
  let text = '';
  for (const byte of bytes) text += String.fromCharCode(byte);
  return text;
}

// Split at CR LF, LF or CR, keeping at most `count` lines; a line end at
// the very end does not begin another line.
export function dataLines(bytes, count = DATA_TABLE_LINES) {
  const text = decodeDataText(bytes);
  if (text === '') return [];
  const lines = text.split(/\r\n|\n|\r/, count + 1);
  if (lines.length <= count && lines[lines.length - 1] === '' && /[\r\n]$/.test(text)) lines.pop();
  return lines.slice(0, count);
}
