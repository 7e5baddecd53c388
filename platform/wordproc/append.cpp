// Appending one document's body to the end of another, with fonts and colours carried over.
#include "platform/wordproc/append.h"

#include <strings.h>

#include <map>
#include <set>

#include "platform/sys/text.h"

namespace wordproc {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

struct Font {
    long number = 0;
    std::string name;
    std::string family = "fnil";
    long charset = 0;
};

struct Color {
    bool automatic = true;
    long red = 0, green = 0, blue = 0;
    bool operator==(const Color& other) const {
        if (automatic || other.automatic)
            return automatic == other.automatic;
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// What a document's header holds that the appended body refers to.
struct Header {
    std::size_t top = kNone;        // the document group's opening brace
    std::size_t bottom = kNone;     // its closing brace
    std::size_t fontTable = kNone;  // opening brace of {\fonttbl}
    std::size_t colorTable = kNone;
    long defaultFont = 0;
    std::vector<Font> fonts;
    std::vector<Color> colors;
};

Token MakeWord(const std::string& word, bool hasParam = false, long param = 0) {
    Token token;
    token.kind = TokenKind::ControlWord;
    token.word = word;
    token.hasParam = hasParam;
    token.param = param;
    token.raw = "\\" + word + (hasParam ? sys::Format("%ld", param) : "");
    return token;
}

void ReadFontEntry(const Tokens& tokens, const std::vector<std::size_t>& match, std::size_t first,
                   std::size_t last, Font& font) {
    for (std::size_t i = first; i < last; ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::GroupOpen && match[i] < last) {
            i = match[i];  // alternative names, panose numbers
        } else if (token.kind == TokenKind::ControlWord) {
            if (token.word == "f" && token.hasParam)
                font.number = token.param;
            if (token.word == "fcharset" && token.hasParam)
                font.charset = token.param;
            if (token.word.size() > 1 && token.word[0] == 'f' &&
                std::set<std::string>{"fnil", "froman", "fswiss", "fmodern", "fscript", "fdecor",
                                      "ftech", "fbidi"}
                    .count(token.word)) {
                font.family = token.word;
            }
        } else if (token.kind == TokenKind::Text) {
            font.name += token.raw;
        }
    }
    std::string name = font.name;
    if (std::size_t semicolon = name.find(';'); semicolon != std::string::npos) {
        name.resize(semicolon);
    }
    font.name = sys::Trim(name);
}

std::vector<Font> ReadFonts(const Tokens& tokens, const std::vector<std::size_t>& match,
                            std::size_t open, std::size_t close) {
    std::vector<Font> fonts;
    std::size_t flatStart = kNone;  // entries written without braces: \f0\fswiss Arial;
    for (std::size_t i = open + 2; i < close; ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::GroupOpen) {
            Font font;
            ReadFontEntry(tokens, match, i + 1, match[i], font);
            fonts.push_back(font);
            i = match[i];
        } else if (token.IsWord("f") && flatStart == kNone) {
            flatStart = i;
        } else if (token.kind == TokenKind::Text && flatStart != kNone &&
                   token.raw.find(';') != std::string::npos) {
            Font font;
            ReadFontEntry(tokens, match, flatStart, i + 1, font);
            fonts.push_back(font);
            flatStart = kNone;
        }
    }
    return fonts;
}

std::vector<Color> ReadColors(const Tokens& tokens, std::size_t open, std::size_t close) {
    std::vector<Color> colors;
    Color current;
    for (std::size_t i = open + 2; i < close; ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::ControlWord && token.hasParam) {
            if (token.word == "red")
                current.red = token.param;
            if (token.word == "green")
                current.green = token.param;
            if (token.word == "blue")
                current.blue = token.param;
            if (token.word == "red" || token.word == "green" || token.word == "blue") {
                current.automatic = false;
            }
        } else if (token.kind == TokenKind::Text) {
            for (char c : token.raw) {
                if (c != ';')
                    continue;
                colors.push_back(current);
                current = Color();
            }
        }
    }
    return colors;
}

Header ReadHeader(const Tokens& tokens) {
    std::vector<std::size_t> match = MatchGroups(tokens);
    Header header;
    for (std::size_t i = 0; i < tokens.size() && header.top == kNone; ++i) {
        if (tokens[i].kind == TokenKind::GroupOpen)
            header.top = i;
    }
    header.bottom = match[header.top];
    for (std::size_t i = header.top + 1; i < header.bottom; ++i) {
        const Token& token = tokens[i];
        if (token.IsWord("deff") && token.hasParam)
            header.defaultFont = token.param;
        if (token.kind != TokenKind::GroupOpen)
            continue;
        std::string destination = GroupDestination(tokens, i);
        if (destination == "fonttbl" && header.fontTable == kNone) {
            header.fontTable = i;
            header.fonts = ReadFonts(tokens, match, i, match[i]);
        } else if (destination == "colortbl" && header.colorTable == kNone) {
            header.colorTable = i;
            header.colors = ReadColors(tokens, i, match[i]);
        }
        i = match[i];
    }
    return header;
}

// Destinations of a document's header, and page headers and footers, none of which an
// appended body takes along.
bool IsHeaderGroup(const std::string& destination) {
    static const std::set<std::string> names = {"fonttbl",
                                                "colortbl",
                                                "stylesheet",
                                                "info",
                                                "listtable",
                                                "listoverridetable",
                                                "revtbl",
                                                "rsidtbl",
                                                "generator",
                                                "filetbl",
                                                "xmlnstbl",
                                                "themedata",
                                                "colorschememapping",
                                                "datastore",
                                                "latentstyles",
                                                "defchp",
                                                "defpap",
                                                "pgdsctbl",
                                                "mmathPr",
                                                "wgrffmtfilter",
                                                "userprops",
                                                "template",
                                                "header",
                                                "headerl",
                                                "headerr",
                                                "headerf",
                                                "footer",
                                                "footerl",
                                                "footerr",
                                                "footerf",
                                                "pnseclvl",
                                                "fchars",
                                                "lchars"};
    return names.count(destination) > 0;
}

// Document-wide settings written before the first section.
bool IsDocumentSetting(const std::string& word) {
    static const std::set<std::string> words = {"rtf",
                                                "ansi",
                                                "mac",
                                                "pc",
                                                "pca",
                                                "ansicpg",
                                                "deff",
                                                "adeff",
                                                "deflang",
                                                "deflangfe",
                                                "adeflang",
                                                "adeflangfe",
                                                "stshfdbch",
                                                "stshfloch",
                                                "stshfhich",
                                                "stshfbi",
                                                "uc",
                                                "paperw",
                                                "paperh",
                                                "margl",
                                                "margr",
                                                "margt",
                                                "margb",
                                                "gutter",
                                                "margmirror",
                                                "landscape",
                                                "facingp",
                                                "widowctrl",
                                                "ftnbj",
                                                "aenddoc",
                                                "aftnbj",
                                                "aftnnrlc",
                                                "ftnnar",
                                                "aftnnar",
                                                "viewkind",
                                                "viewscale",
                                                "viewzk",
                                                "viewbksp",
                                                "deftab",
                                                "hyphhotz",
                                                "hyphconsec",
                                                "hyphcaps",
                                                "hyphauto",
                                                "linestart",
                                                "fracwidth",
                                                "formshade",
                                                "dntblnsbdb",
                                                "noxlattoyen",
                                                "expshrtn",
                                                "noultrlspc",
                                                "nospaceforul",
                                                "horzdoc",
                                                "dghspace",
                                                "dgvspace",
                                                "dghorigin",
                                                "dgvorigin",
                                                "dghshow",
                                                "dgvshow",
                                                "dgmargin",
                                                "jexpand",
                                                "pgbrdrhead",
                                                "pgbrdrfoot",
                                                "splytwnine",
                                                "ftnlytwnine",
                                                "htmautsp",
                                                "nolnhtadjtbl",
                                                "useltbaln",
                                                "alntblind",
                                                "lytcalctblwd",
                                                "lyttblrtgr",
                                                "lnbrkrule",
                                                "nobrkwrptbl",
                                                "snaptogridincell",
                                                "allowfieldendsel",
                                                "wrppunct",
                                                "asianbrkrule",
                                                "rsidroot",
                                                "newtblstyruls",
                                                "nogrowautofit",
                                                "usenormstyforlist",
                                                "noindnmbrts",
                                                "felnbrelev",
                                                "nocxsptable",
                                                "indrlsweleven",
                                                "noafcnsttbl",
                                                "afelev",
                                                "utinl",
                                                "hwelev",
                                                "spltpgpar",
                                                "notcvasp",
                                                "notbrkcnstfrctbl",
                                                "notvatxbx",
                                                "krnprsnet",
                                                "cachedcolbal",
                                                "nouicompat",
                                                "fet",
                                                "themelang",
                                                "themelangfe",
                                                "themelangcs",
                                                "ilfomacatclnup",
                                                "nofeaturethrottle",
                                                "defformat",
                                                "doctype",
                                                "validatexml",
                                                "showplaceholdtext",
                                                "ignoremixedcontent",
                                                "saveinvalidxml",
                                                "showxmlerrors",
                                                "donotembedsysfont",
                                                "donotembedlingdata",
                                                "grfdocevents",
                                                "trackmoves",
                                                "trackformatting",
                                                "ftnrstcont",
                                                "aftnrstcont",
                                                "ftnnrlc",
                                                "psz"};
    return words.count(word) > 0;
}

// The top-level tokens of source that make its body, header and settings left out.
std::vector<std::size_t> BodyTokens(const Tokens& tokens, const Header& header) {
    std::vector<std::size_t> match = MatchGroups(tokens);
    std::vector<std::size_t> body;
    bool inHeader = true;
    for (std::size_t i = header.top + 1; i < header.bottom; ++i) {
        const Token& token = tokens[i];
        std::size_t last = token.kind == TokenKind::GroupOpen ? match[i] : i;
        if (token.kind == TokenKind::GroupOpen) {
            std::string destination = GroupDestination(tokens, i);
            bool skip = IsHeaderGroup(destination) || (inHeader && IsIgnorableGroup(tokens, i));
            if (!skip) {
                for (std::size_t k = i; k <= last; ++k)
                    body.push_back(k);
                inHeader = false;
            }
            i = last;
            continue;
        }
        bool blank = token.kind == TokenKind::Text && sys::Trim(token.raw).empty();
        bool setting = token.kind == TokenKind::ControlWord && IsDocumentSetting(token.word);
        if (inHeader && (blank || setting))
            continue;
        inHeader = false;
        body.push_back(i);
    }
    return body;
}

long AddFont(Header& target, const Font& font, Tokens& added) {
    long number = 0;
    for (const Font& existing : target.fonts)
        number = std::max(number, existing.number + 1);
    Font copy = font;
    copy.number = number;
    target.fonts.push_back(copy);
    std::string raw =
        sys::Format("{\\f%ld\\%s\\fcharset%ld ", number, copy.family.c_str(), copy.charset);
    Tokens entry = Tokenize(raw);
    Token name;
    name.raw = copy.name + ";";
    entry.push_back(name);
    entry.push_back(Tokenize("}").front());
    added.insert(added.end(), entry.begin(), entry.end());
    return number;
}

std::map<long, long> MapFonts(Header& target, const Header& source, Tokens& added) {
    std::map<long, long> map;
    for (const Font& font : source.fonts) {
        long mapped = -1;
        for (const Font& existing : target.fonts) {
            if (::strcasecmp(existing.name.c_str(), font.name.c_str()) == 0) {
                mapped = existing.number;
                break;
            }
        }
        map[font.number] = mapped >= 0 ? mapped : AddFont(target, font, added);
    }
    return map;
}

std::map<long, long> MapColors(Header& target, const Header& source, Tokens& added) {
    std::map<long, long> map;
    for (std::size_t i = 0; i < source.colors.size(); ++i) {
        const Color& color = source.colors[i];
        long mapped = -1;
        for (std::size_t k = 0; k < target.colors.size() && mapped < 0; ++k) {
            if (target.colors[k] == color)
                mapped = static_cast<long>(k);
        }
        if (mapped < 0) {
            mapped = static_cast<long>(target.colors.size());
            target.colors.push_back(color);
            std::string raw = color.automatic ? ";"
                                              : sys::Format("\\red%ld\\green%ld\\blue%ld;",
                                                            color.red, color.green, color.blue);
            Tokens entry = Tokenize(raw);
            added.insert(added.end(), entry.begin(), entry.end());
        }
        map[static_cast<long>(i)] = mapped;
    }
    return map;
}

bool IsFontWord(const std::string& word) {
    return word == "f" || word == "af";
}

bool IsColorWord(const std::string& word) {
    static const std::set<std::string> words = {
        "cf",    "cb",     "highlight", "chcbpat", "chcfpat",    "clcbpat",    "clcfpat", "cbpat",
        "cfpat", "brdrcf", "trcbpat",   "trcfpat", "clcbpatraw", "clcfpatraw", "ulc"};
    return words.count(word) > 0;
}

bool IsStyleOrListWord(const std::string& word) {
    return word == "s" || word == "cs" || word == "ds" || word == "ts" || word == "ls";
}

// The body of source with its font and colour numbers turned into target's.
Tokens RemapBody(const Tokens& tokens, const std::vector<std::size_t>& body,
                 const std::map<long, long>& fonts, const std::map<long, long>& colors,
                 long resetFont) {
    Tokens out;
    if (resetFont >= 0)
        out.push_back(MakeWord("f", true, resetFont));
    for (std::size_t i : body) {
        Token token = tokens[i];
        if (token.kind == TokenKind::ControlWord && token.hasParam) {
            if (IsStyleOrListWord(token.word))
                continue;
            const std::map<long, long>* map = IsFontWord(token.word)    ? &fonts
                                              : IsColorWord(token.word) ? &colors
                                                                        : nullptr;
            if (map) {
                auto found = map->find(token.param);
                if (found != map->end())
                    token = MakeWord(token.word, true, found->second);
            }
        }
        out.push_back(token);
        if (resetFont >= 0 && token.IsWord("plain"))
            out.push_back(MakeWord("f", true, resetFont));
    }
    return out;
}

// Whether the target's text already ends with a paragraph, row or section end.
bool EndsParagraph(const Tokens& tokens, std::size_t bottom) {
    for (std::size_t i = bottom; i-- > 0;) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::GroupClose || token.kind == TokenKind::GroupOpen)
            continue;
        if (token.kind == TokenKind::Text && sys::Trim(token.raw).empty())
            continue;
        return token.IsWord("par") || token.IsWord("row") || token.IsWord("sect") ||
               token.IsWord("page");
    }
    return true;
}

// Where a missing font or colour table goes: after the control words that open the document.
std::size_t TableInsertPoint(const Tokens& tokens, const Header& header) {
    std::size_t i = header.top + 1;
    while (i < header.bottom && tokens[i].kind == TokenKind::ControlWord)
        ++i;
    return i;
}

}  // namespace

void AppendDocument(Document& target, const Document& source, AppendBreak pageBreak) {
    const Tokens& tt = target.tokens();
    const Tokens& st = source.tokens();
    Header to = ReadHeader(tt);
    Header from = ReadHeader(st);
    Tokens newFonts, newColors;
    std::map<long, long> fonts = MapFonts(to, from, newFonts);
    std::map<long, long> colors = MapColors(to, from, newColors);
    long resetFont = -1;
    if (auto found = fonts.find(from.defaultFont); found != fonts.end()) {
        if (found->second != to.defaultFont)
            resetFont = found->second;
    }
    Tokens joint;
    if (pageBreak == AppendBreak::NewPage) {
        joint = Tokenize("\\sect\\sectd\\sbkpage\\pard\\plain ");
    } else {
        joint = Tokenize(EndsParagraph(tt, to.bottom) ? "\\pard\\plain " : "\\par\\pard\\plain ");
    }
    Tokens body = RemapBody(st, BodyTokens(st, from), fonts, colors, resetFont);
    joint.insert(joint.end(), body.begin(), body.end());

    std::vector<std::size_t> match = MatchGroups(tt);
    std::size_t fontClose = to.fontTable == kNone ? kNone : match[to.fontTable];
    std::size_t colorClose = to.colorTable == kNone ? kNone : match[to.colorTable];
    std::size_t tablePoint = TableInsertPoint(tt, to);
    Tokens result;
    for (std::size_t i = 0; i < tt.size(); ++i) {
        if (i == tablePoint && fontClose == kNone && !newFonts.empty()) {
            Tokens table = Tokenize("{\\fonttbl");
            table.insert(table.end(), newFonts.begin(), newFonts.end());
            table.push_back(Tokenize("}").front());
            result.insert(result.end(), table.begin(), table.end());
        }
        if (i == tablePoint && colorClose == kNone && !newColors.empty()) {
            Tokens table = Tokenize("{\\colortbl");
            table.insert(table.end(), newColors.begin(), newColors.end());
            table.push_back(Tokenize("}").front());
            result.insert(result.end(), table.begin(), table.end());
        }
        if (i == fontClose)
            result.insert(result.end(), newFonts.begin(), newFonts.end());
        if (i == colorClose)
            result.insert(result.end(), newColors.begin(), newColors.end());
        if (i == to.bottom)
            result.insert(result.end(), joint.begin(), joint.end());
        result.push_back(tt[i]);
    }
    target.SetTokens(std::move(result));
}

}  // namespace wordproc
