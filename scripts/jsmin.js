// The minifier: a port of Douglas Crockford's JSMin with three levels of
// line-break removal, plus copying of template literals.
//
// Globals defined here: String.prototype.has and jsmin.

// True when the character (or text) c occurs in the string. Defined as a
// non-enumerable property so that for-in over a string does not list it.
Object.defineProperty(String.prototype, 'has', {
    value: function (c) {
        return this.indexOf(c) >= 0;
    },
    writable: true,
    configurable: true,
    enumerable: false
});

// jsmin(comment, input, level) or jsmin(input).
//
// Returns the minified input. Level 2 is JSMin's own rule (a line break
// survives only where it may end a statement), level 1 keeps one line break
// wherever the input had any, level 3 also drops the line breaks after
// } ] ) + - and the end of a string, template or regular expression literal.
// A level that is missing or not 1, 2 or 3 means 2. A non-empty comment is
// put first, followed by a line feed.
//
// Errors are thrown as strings:
//   "Error: Unterminated comment."
//   "Error: unterminated string literal: " + the offending character
//       (a line feed, or -1 for the end of the input)
//   "Error: unterminated Regular Expression literal"
//   "Error: unterminated template literal"
function jsmin(comment, input, level) {
    if (arguments.length === 1) {
        input = comment;
        comment = '';
        level = 2;
    }
    if (comment === undefined || comment === null) {
        comment = '';
    }
    comment = String(comment);
    input = (input === undefined || input === null) ? '' : String(input);
    level = Number(level);
    if (level !== 1 && level !== 3) {
        level = 2;
    }

    var EOF = -1;            // end marker, distinct from every character
    var NONE = null;         // no looked-ahead character pending
    var REGEXP_OPENERS = '(,=:[!&|';
    // Keywords after which a slash starts an operand, never a division.
    var KEYWORDS_BEFORE_OPERAND =
        ' return typeof instanceof in of new delete void throw case do else yield await ';
    // Characters before which a line break may end a statement.
    var BEFORE_KEPT_BREAK = '{[(+-';
    // More characters that can only start a new statement after a line break
    // (the engine inserts a semicolon there): ! ~ a private name's # and a
    // quote. A line break before them is kept too, except the one the result
    // would begin with, so that a text starting with ! or a quote still
    // starts with that character.
    var STATEMENT_STARTS = '!~#"\'';
    // Characters after which a line break may end a statement. The backtick
    // closes a template literal and the slash a regular expression literal,
    // so they count as closing quotes (after a division slash the line break
    // is not needed, but it does no harm).
    var AFTER_KEPT_BREAK = '}])+-"\'`/';

    var ERR_COMMENT = 'Error: Unterminated comment.';
    var ERR_STRING = 'Error: unterminated string literal: ';
    var ERR_REGEXP = 'Error: unterminated Regular Expression literal';
    var ERR_TEMPLATE = 'Error: unterminated template literal';

    var length = input.length;
    var pos = 0;             // index of the next input character
    var lookahead = NONE;
    var out = [];            // emitted pieces, joined once at the end
    var a = '\n';
    var b;

    function isAlnum(c) {
        if (c === EOF) {
            return false;
        }
        var code = c.charCodeAt(0);
        return (code >= 97 && code <= 122) || (code >= 65 && code <= 90) ||
            (code >= 48 && code <= 57) || code === 95 || code === 36 ||
            code === 92 || code > 126;
    }

    function isOneOf(set, c) {
        return c !== EOF && set.has(c);
    }

    // The next character of the input. A carriage return is delivered as a
    // line feed (a CR LF pair as a single one, so that a backslash line
    // continuation inside a string survives CR LF line ends); every other
    // control character except the line feed is delivered as a space.
    function get() {
        var c = lookahead;
        if (c !== NONE) {
            lookahead = NONE;
            return c;        // already converted when it was peeked
        }
        if (pos >= length) {
            return EOF;
        }
        c = input.charAt(pos);
        pos += 1;
        if (c === '\r') {
            if (pos < length && input.charAt(pos) === '\n') {
                pos += 1;
            }
            return '\n';
        }
        if (c !== '\n' && c.charCodeAt(0) < 32) {
            return ' ';
        }
        return c;
    }

    function peek() {
        lookahead = get();
        return lookahead;
    }

    // The next character with comments removed: a line comment leaves its
    // terminating line feed (or the end marker), a block comment one space.
    function next() {
        var c = get();
        if (c === '/') {
            var p = peek();
            if (p === '/') {
                for (;;) {
                    c = get();
                    if (c === '\n' || c === EOF) {
                        return c;
                    }
                }
            }
            if (p === '*') {
                get();
                for (;;) {
                    c = get();
                    if (c === '*') {
                        if (peek() === '/') {
                            get();
                            return ' ';
                        }
                    } else if (c === EOF) {
                        throw ERR_COMMENT;
                    }
                }
            }
        }
        return c;
    }

    // Copies a quoted string whose opening quote is in a; the closing quote
    // is left in a, to be emitted by a later action.
    function copyString() {
        var quote = a;
        for (;;) {
            out.push(a);
            a = get();
            if (a === quote) {
                return;
            }
            if (a === '\n' || a === EOF) {
                throw ERR_STRING + a;
            }
            if (a === '\\') {
                out.push(a);
                a = get();
            }
        }
    }

    // Copies a template literal whose opening backtick is in a. The text up
    // to the closing backtick is taken from the input as it is, without the
    // conversions of get(), since line breaks, tabs and the ${...} parts all
    // belong to the literal's value. The closing backtick is left in a.
    // A backtick only reaches a through next() without a pending look-ahead,
    // so pos is just past the opening backtick here.
    function copyTemplate() {
        var start = pos - 1;
        var end = templateEnd(input, pos);
        out.push(input.slice(start, end));
        pos = end + 1;
        a = '`';
    }

    // Action 1 keeps a, action 2 drops a, action 3 drops b. Each one goes on
    // with the actions after it, as in JSMin.
    function action(d) {
        if (d <= 1) {
            out.push(a);
        }
        if (d <= 2) {
            a = b;
            if (a === '\'' || a === '"') {
                copyString();
            } else if (a === '`') {
                copyTemplate();
            }
        }
        b = next();
        if (b === '/' && startsRegExp()) {
            out.push(a);
            out.push(b);
            for (;;) {
                a = get();
                if (a === '/') {
                    break;
                }
                if (a === '\\') {
                    out.push(a);
                    a = get();
                } else if (a === '[') {
                    // A slash inside a character class does not end the
                    // literal: the class is copied up to its closing bracket.
                    for (;;) {
                        out.push(a);
                        a = get();
                        if (a === ']') {
                            break;
                        }
                        if (a === '\\') {
                            out.push(a);
                            a = get();
                        } else if (a === '\n') {
                            throw ERR_REGEXP;
                        }
                        if (a === EOF) {
                            throw ERR_REGEXP;
                        }
                    }
                } else if (a === '\n') {
                    throw ERR_REGEXP;
                }
                if (a === EOF) {
                    throw ERR_REGEXP;
                }
                out.push(a);
            }
            b = next();
        }
    }

    // Whether the slash in b starts a regular expression literal rather than
    // a division, judged by the last significant character before it (a, or
    // when a is a blank the last one emitted; none at the start of the
    // input): one of ( , = : [ ! & | always; also ? ~ * % ^ < > { ; after
    // which a division cannot stand either; a plus or minus sign unless it
    // ends ++ or -- (x++ / 2 divides); and the end of a keyword such as
    // return or typeof, whose operand may be a literal.
    function startsRegExp() {
        var last = out.length - 1;
        var c = a;
        var word;
        if (c === EOF) {
            return false;
        }
        if (c === ' ' || c === '\n') {
            while (last >= 0 && (out[last] === ' ' || out[last] === '\n')) {
                last -= 1;
            }
            if (last < 0) {
                return true;
            }
            c = out[last];
            if (c.length !== 1) {
                return false;    // a template literal's text ends a value
            }
            last -= 1;
        }
        if (REGEXP_OPENERS.has(c) || '?~*%^<>{;'.has(c)) {
            return true;
        }
        if (c === '+' || c === '-') {
            return last < 0 || out[last] !== c;
        }
        if (isAlnum(c)) {
            word = c;
            while (last >= 0 && word.length <= 10 && out[last].length === 1 && isAlnum(out[last])) {
                word = out[last] + word;
                last -= 1;
            }
            return KEYWORDS_BEFORE_OPERAND.has(' ' + word + ' ');
        }
        return false;
    }

    // One row per line of the level table; the first matching row decides.
    function choose() {
        if (a === ' ') {
            return isAlnum(b) ? 1 : 2;
        }
        if (a === '\n') {
            if (isOneOf(BEFORE_KEPT_BREAK, b) ||
                (out.length > 0 && isOneOf(STATEMENT_STARTS, b))) {
                return 1;
            }
            if (b === ' ') {
                return 3;
            }
            if (isAlnum(b)) {
                return 1;
            }
            if (b === '\n') {
                return 2;
            }
            return level === 1 ? 1 : 2;
        }
        if (b === ' ') {
            return isAlnum(a) ? 1 : 3;
        }
        if (b === '\n') {
            if (isOneOf(AFTER_KEPT_BREAK, a)) {
                return level === 3 ? 3 : 1;
            }
            if (isAlnum(a)) {
                return 1;
            }
            return level === 1 ? 1 : 3;
        }
        return 1;
    }

    // A blank between two plus or two minus signs must stay, or a + +b
    // would become a++b. blankAfterSign is true while the blanks dropped
    // since a sign in a are all that separates it from b.
    var blankAfterSign = false;
    var d;
    action(3);
    while (a !== EOF) {
        d = choose();
        if (d === 1 && blankAfterSign && b === a) {
            out.push(a);
            a = ' ';
        }
        blankAfterSign = d === 3 && (a === '+' || a === '-');
        action(d);
    }

    var result = out.join('');
    return comment !== '' ? comment + '\n' + result : result;

    // Index of the backtick that closes the template literal whose text
    // starts at index i of s (just past the opening backtick). The literal
    // and its ${...} parts are walked with an explicit stack of open frames,
    // so nested literals need no recursion: TEMPLATE marks a literal, a
    // number >= 0 a ${...} part with that many unclosed { inside it. In a
    // part, strings, comments, regular expression literals and braces are
    // skipped so that a backtick or a brace within them ends nothing.
    function templateEnd(s, i) {
        var TEMPLATE = -1;
        var n = s.length;
        var frames = [TEMPLATE];
        var top = frames.length - 1;
        var prev = -1;       // index of the last significant character in a part
        var c;
        while (i < n) {
            c = s.charCodeAt(i);
            if (frames[top] === TEMPLATE) {
                if (c === 96) {                       // ` closes the literal
                    frames.pop();
                    top -= 1;
                    if (top < 0) {
                        return i;
                    }
                    prev = i;
                    i += 1;
                } else if (c === 92) {                // backslash escape
                    i += 2;
                } else if (c === 36 && s.charCodeAt(i + 1) === 123) {   // ${
                    frames.push(0);
                    top += 1;
                    prev = -1;
                    i += 2;
                } else {
                    i += 1;
                }
                continue;
            }
            // Inside a ${...} part.
            if (c === 96) {                           // a nested literal
                frames.push(TEMPLATE);
                top += 1;
                i += 1;
            } else if (c === 123) {                   // {
                frames[top] += 1;
                prev = i;
                i += 1;
            } else if (c === 125) {                   // }
                if (frames[top] === 0) {
                    frames.pop();                     // back to the literal
                    top -= 1;
                } else {
                    frames[top] -= 1;
                    prev = i;
                }
                i += 1;
            } else if (c === 39 || c === 34) {        // ' or "
                i = stringEnd(s, i, c);
                prev = i;
                i += 1;
            } else if (c === 47) {                    // /
                c = s.charCodeAt(i + 1);
                if (c === 47) {
                    i = lineEnd(s, i + 2);
                } else if (c === 42) {
                    i = s.indexOf('*/', i + 2);
                    if (i < 0) {
                        throw ERR_TEMPLATE;
                    }
                    i += 2;
                } else if (slashStartsRegExp(s, prev)) {
                    i = regExpEnd(s, i);
                    prev = i;
                    i += 1;
                } else {
                    prev = i;
                    i += 1;
                }
            } else {
                if (c > 32 && c !== 160 && c !== 0xFEFF && c !== 0x2028 && c !== 0x2029) {
                    prev = i;
                }
                i += 1;
            }
        }
        throw ERR_TEMPLATE;
    }

    // Index of the quote that closes the string opening at index i.
    function stringEnd(s, i, quote) {
        var n = s.length;
        var c;
        for (i += 1; i < n; i += 1) {
            c = s.charCodeAt(i);
            if (c === quote) {
                return i;
            }
            if (c === 92) {
                i += 1;
                if (s.charCodeAt(i) === 13 && s.charCodeAt(i + 1) === 10) {
                    i += 1;
                }
            } else if (c === 10 || c === 13) {
                throw ERR_STRING + '\n';
            }
        }
        throw ERR_TEMPLATE;
    }

    // Index of the line terminator that ends a line comment, or n.
    function lineEnd(s, i) {
        var n = s.length;
        var c;
        for (; i < n; i += 1) {
            c = s.charCodeAt(i);
            if (c === 10 || c === 13 || c === 0x2028 || c === 0x2029) {
                return i;
            }
        }
        return n;
    }

    // Index of the slash that closes the regular expression literal opening
    // at index i.
    function regExpEnd(s, i) {
        var n = s.length;
        var inClass = false;
        var c;
        for (i += 1; i < n; i += 1) {
            c = s.charCodeAt(i);
            if (c === 92) {
                i += 1;
                c = s.charCodeAt(i);
            } else if (c === 91) {
                inClass = true;
            } else if (c === 93) {
                inClass = false;
            } else if (c === 47 && !inClass) {
                return i;
            }
            if (c === 10 || c === 13) {
                throw ERR_REGEXP;
            }
        }
        throw ERR_TEMPLATE;
    }

    // Whether a slash in a ${...} part starts a regular expression literal
    // rather than a division, judged by the significant character before it
    // (prev is its index, -1 at the start of the part): after a value (a
    // name, a number, a closing bracket or quote) it divides, after an
    // operator, an opening bracket or a keyword such as return it starts a
    // literal.
    function slashStartsRegExp(s, prev) {
        if (prev < 0) {
            return true;
        }
        var c = s.charAt(prev);
        if (')]}\'"`'.has(c)) {
            return false;
        }
        if (!isAlnum(c)) {
            return true;
        }
        var start = prev;
        while (start > 0 && isAlnum(s.charAt(start - 1))) {
            start -= 1;
        }
        var word = s.slice(start, prev + 1);
        return KEYWORDS_BEFORE_OPERAND.has(' ' + word + ' ');
    }
}
