// Runs as soon as the core's WebAssembly has arrived, before the page's
// script waits for the whole page: it is unpacked and compiled meanwhile.
{
  const holder = document.getElementById('korvane-wasm');
  const text = atob(holder.textContent);
  holder.remove();
  const packed = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) packed[i] = text.charCodeAt(i);
  const wasm = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  self.korvaneCompiled = WebAssembly.compileStreaming(
    new Response(wasm, { headers: { 'Content-Type': 'application/wasm' } }));
}
