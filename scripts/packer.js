// Packing into and unpacking from the p,a,c,k,e,d form of the published
// JavaScript packer: eval of a decoder function called with the text, in
// which every word is replaced by a base-62 code, and the dictionary of the
// words.
//
// Top-level names, in this order: uncode, a, encode, num. Nothing else is
// defined here; the helpers live inside the functions.

// Unpacks a packed text: drops a leading "eval" (exactly those four
// characters at the very start) and evaluates the rest, which for a packed
// text is the decoder's call and yields the unpacked source. The evaluation
// is a global one, so any other code given here runs in the global
// namespace like code the user executes. The empty text yields undefined.
function uncode(code) {
    var text = (code === undefined || code === null) ? '' : String(code);
    if (text.slice(0, 4) === 'eval') {
        text = text.slice(4);
    }
    var globalEval = eval;
    return globalEval(text);
}

// The radix of the codes.
var a = 62;

// Packs a text. Words are maximal runs of the letters A-Z and a-z, the
// digits and the underscore (no other character, none above 127 either).
// The distinct words, sorted by character codes, form the dictionary; the
// word at index i is replaced by num(i), every occurrence in one pass, so a
// code written for one word is never taken for another. The replaced text is
// then written as a single-quoted literal with backslash, quote and line
// breaks escaped, so the decoder receives exactly that text and the packed
// result stays one line. A word equal to its own code has an empty
// dictionary entry (the decoder leaves such a code as it is).
// A text without any word cannot be packed and throws.
function encode(code) {
    var text = (code === undefined || code === null) ? '' : String(code);
    var PREFIX = "eval(function(p,a,c,k,e,d){e=function(c){return(c<a?'':e(parseInt(c/a)))+" +
        "((c=c%a)>35?String.fromCharCode(c+29):c.toString(36))};if(!''.replace(/^/,String))" +
        "{while(c--)d[e(c)]=k[c]||e(c);k=[function(e){return d[e]}];e=function(){return'\\\\w+'};" +
        "c=1};while(c--)if(k[c])p=p.replace(new RegExp('\\\\b'+e(c)+'\\\\b','g'),k[c]);return p}(";
    var SUFFIX = "'.split('|'),0,{}))";
    var ESCAPES = {
        '\\': '\\\\',
        '\'': '\\\'',
        '\r': '\\r',
        '\n': '\\n',
        '\u2028': '\\u2028',
        '\u2029': '\\u2029'
    };
    var wordPattern = /[A-Za-z0-9_]+/g;
    var seen = new Map();
    var words = [];
    var match;

    while ((match = wordPattern.exec(text)) !== null) {
        if (!seen.has(match[0])) {
            seen.set(match[0], true);
            words.push(match[0]);
        }
    }
    if (words.length === 0) {
        throw 'Error: nothing to pack: the text has no word';
    }
    words.sort();

    // A Map, not a plain object, so that words such as constructor or
    // __proto__ are ordinary keys.
    var codeOf = new Map();
    var dictionary = [];
    for (var i = 0; i < words.length; i += 1) {
        var wordCode = num(i);
        codeOf.set(words[i], wordCode);
        dictionary.push(wordCode === words[i] ? '' : words[i]);
    }

    var packed = text.replace(wordPattern, function (word) {
        return codeOf.get(word);
    }).replace(/[\\'\r\n\u2028\u2029]/g, function (c) {
        return ESCAPES[c];
    });

    return PREFIX + '\'' + packed + '\',' + a + ',' + words.length + ',\'' +
        dictionary.join('|') + SUFFIX;
}

// The code of the non-negative integer c in radix a: digits 0-9, then a-z,
// then A-Z (character code of the value plus 29), most significant first.
function num(c) {
    return (c < a ? '' : num(Math.floor(c / a))) +
        ((c = c % a) > 35 ? String.fromCharCode(c + 29) : c.toString(36));
}
