#include "pdf/image/ps_tokens.hpp"

#include <charconv>
#include <cstring>

namespace folivo::image {

namespace {

constexpr int kMaxNesting = 64;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\0'; }
bool IsDelimiter(char c) { return IsBlank(c) || std::strchr("()<>[]{}/%", c) != nullptr; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A plain number ("12", "-.5", "1e3") or one with a radix ("16#FF"); false for a name.
bool ReadNumber(std::string_view word, double& value) {
    if (!word.empty() && word[0] == '+') word.remove_prefix(1);
    if (word.empty()) return false;
    const auto hash = word.find('#');
    if (hash != std::string_view::npos) {
        int radix = 0;
        long long n = 0;
        const auto r = std::from_chars(word.data(), word.data() + hash, radix);
        if (r.ec != std::errc() || r.ptr != word.data() + hash || radix < 2 || radix > 36) return false;
        const auto d = std::from_chars(word.data() + hash + 1, word.data() + word.size(), n, radix);
        if (d.ec != std::errc() || d.ptr != word.data() + word.size()) return false;
        value = static_cast<double>(n);
        return true;
    }
    const auto r = std::from_chars(word.data(), word.data() + word.size(), value);
    return r.ec == std::errc() && r.ptr == word.data() + word.size();
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : t_(text) {}

    // Reads values until the end of the text, or until "}" when `inProcedure`; false when the
    // text ends first inside a string or procedure.
    bool Values(PsItems& out, int depth, bool inProcedure) {
        while (true) {
            while (at_ < t_.size() && IsBlank(t_[at_])) ++at_;
            if (at_ >= t_.size()) return !inProcedure;
            const char c = t_[at_];
            if (c == '%') {
                while (at_ < t_.size() && t_[at_] != '\n' && t_[at_] != '\r') ++at_;
            } else if (c == ')') {
                throw PsLineError{"unmatched )"};
            } else if (c == '}') {
                ++at_;
                if (!inProcedure) throw PsLineError{"unmatched }"};
                return true;
            } else if (c == '{') {
                if (depth >= kMaxNesting) throw PsLineError{"procedures nested too deeply"};
                ++at_;
                PsItems body;
                if (!Values(body, depth + 1, true)) return false;
                out.push_back(PsValue::List(PsValue::Kind::kProcedure, std::move(body)));
            } else if (c == '(') {
                std::string s;
                if (!LiteralString(s)) return false;
                out.push_back(PsValue::Of(PsValue::Kind::kString, std::move(s)));
            } else if (c == '<' || c == '>') {
                if (!Angle(out)) return false;
            } else if (c == '[' || c == ']') {
                ++at_;
                out.push_back(PsValue::Of(PsValue::Kind::kName, std::string(1, c)));
            } else {
                out.push_back(Word());
            }
        }
    }

private:
    PsValue Word() {
        bool literal = false;
        if (t_[at_] == '/') {
            ++at_;
            literal = true;
            if (at_ < t_.size() && t_[at_] == '/') {  // an immediately looked-up name runs as a plain one
                ++at_;
                literal = false;
            }
        }
        const size_t start = at_;
        while (at_ < t_.size() && !IsDelimiter(t_[at_])) ++at_;
        const std::string_view word = t_.substr(start, at_ - start);
        double n = 0;
        if (!literal && ReadNumber(word, n)) return PsValue::Number(n);
        return PsValue::Of(literal ? PsValue::Kind::kLiteral : PsValue::Kind::kName, std::string(word));
    }

    bool LiteralString(std::string& s) {
        int open = 1;
        for (++at_; at_ < t_.size(); ++at_) {
            char c = t_[at_];
            if (c == '\\') {
                if (++at_ >= t_.size()) return false;
                Escape(s);
                continue;
            }
            if (c == '(') ++open;
            if (c == ')' && --open == 0) {
                ++at_;
                return true;
            }
            s += c;
        }
        return false;
    }

    // The character after a backslash: a named escape, up to three octal digits, or a line end
    // that continues the string.
    void Escape(std::string& s) {
        const char c = t_[at_];
        static const char* const kNamed = "n\nr\rt\tb\bf\f";
        for (const char* p = kNamed; *p != '\0'; p += 2) {
            if (c == p[0]) {
                s += p[1];
                return;
            }
        }
        if (c >= '0' && c <= '7') {
            int code = 0;
            for (int i = 0; i < 3 && at_ < t_.size() && t_[at_] >= '0' && t_[at_] <= '7'; ++i) code = code * 8 + (t_[at_++] - '0');
            --at_;
            s += static_cast<char>(code & 255);
        } else if (c == '\r') {
            if (at_ + 1 < t_.size() && t_[at_ + 1] == '\n') ++at_;
        } else if (c != '\n') {
            s += c;
        }
    }

    // "<<", ">>", a hexadecimal string "<..>" or a base-85 string "<~..~>" (kept undecoded: no
    // operator drawn here reads one).
    bool Angle(PsItems& out) {
        const char c = t_[at_++];
        if (at_ < t_.size() && t_[at_] == c) {
            ++at_;
            out.push_back(PsValue::Of(PsValue::Kind::kName, std::string(2, c)));
            return true;
        }
        if (c == '>') throw PsLineError{"unmatched >"};
        if (at_ < t_.size() && t_[at_] == '~') {
            const auto end = t_.find("~>", at_);
            if (end == std::string_view::npos) return false;
            out.push_back(PsValue::Of(PsValue::Kind::kString, std::string(t_.substr(at_ + 1, end - at_ - 1))));
            at_ = end + 2;
            return true;
        }
        std::string s;
        int high = -1;
        for (; at_ < t_.size() && t_[at_] != '>'; ++at_) {
            if (IsBlank(t_[at_])) continue;
            const int d = HexDigit(t_[at_]);
            if (d < 0) throw PsLineError{"bad hexadecimal string"};
            if (high < 0) {
                high = d;
            } else {
                s += static_cast<char>(high * 16 + d);
                high = -1;
            }
        }
        if (at_ >= t_.size()) return false;
        ++at_;
        if (high >= 0) s += static_cast<char>(high * 16);
        out.push_back(PsValue::Of(PsValue::Kind::kString, std::move(s)));
        return true;
    }

    std::string_view t_;
    size_t at_ = 0;
};

}  // namespace

void PsOpenCount::Feed(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (parens_ > 0) {
            if (c == '\\') ++i;
            if (c == '(') ++parens_;
            if (c == ')') --parens_;
        } else if (c == '%') {
            return;
        } else if (c == '(') {
            parens_ = 1;
        } else if (c == '{') {
            ++braces_;
        } else if (c == '}' && braces_ > 0) {
            --braces_;
        }
    }
}

PsTokens Tokenize(std::string_view text) {
    PsTokens tokens;
    Scanner scanner(text);
    tokens.complete = scanner.Values(tokens.values, 0, false);
    return tokens;
}

}  // namespace folivo::image
