
    // Closes the scope opened by beautify_adaptor_prologue.js, after
    // beautify.js has stored its entry function in the local `exports`.
    var beautify = exports.js_beautify;

    // The layout the format command produces when no options are given.
    // Most of these equal js-beautify's own defaults and are listed to make
    // the contract visible; two differ from the library:
    // - max_preserve_newlines 0: js-beautify treats 0 as "no limit" (its own
    //   default caps a run of line breaks at 32786, and `false` falls back to
    //   that cap);
    // - eol "\n": js-beautify's "auto" reuses the first line break of the
    //   input, so CR LF input would give CR LF output.
    var defaults = {
        indent_size: 4,
        indent_char: ' ',
        brace_style: 'collapse',
        preserve_newlines: true,
        max_preserve_newlines: 0,
        jslint_happy: false,
        keep_array_indentation: false,
        space_before_conditional: true,
        unescape_strings: false,
        break_chained_methods: false,
        eol: '\n'
    };

    // Options given as an object are laid over the defaults (the caller's
    // keys come last, so they win even when written with dashes, which
    // js-beautify normalises to underscores in key order). Anything that is
    // not an object, the empty text the format command passes included,
    // means "no options".
    function withDefaults(options) {
        var merged = {};
        var key;
        for (key in defaults) {
            merged[key] = defaults[key];
        }
        if (options !== null && typeof options === 'object') {
            for (key in options) {
                if (Object.prototype.hasOwnProperty.call(options, key)) {
                    merged[key] = options[key];
                }
            }
        }
        return merged;
    }

    function js_beautify(js_source_text, options) {
        return beautify(js_source_text, withDefaults(options));
    }

    return js_beautify;
}());
