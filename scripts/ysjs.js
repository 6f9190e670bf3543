// The minify entry of the formatter library: JSMin at level 2, without a
// leading comment. jsmin itself is defined in jsmin.js, executed in the same
// global.
function ysjs(str) {
    return jsmin('', str, 2);
}
