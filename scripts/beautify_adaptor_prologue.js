// Opens the scope in which the embedded js-beautify library (beautify.js) is
// executed; beautify_adaptor.js closes it. The three pieces are executed as
// one text in this order: this prologue, beautify.js, beautify_adaptor.js.
//
// beautify.js hands its entry function to the first of `define`, `exports`,
// `window` or `global` that exists, and a bare engine global has none of
// them. Running the library inside a function with a local `exports` object
// catches the function there without creating any global of its own; the
// other three names are declared as locals so that a host which happens to
// have one of them cannot divert the export.
var js_beautify = (function () {
    var define, window, global;
    var exports = {};
