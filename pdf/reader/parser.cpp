#include "pdf/reader/parser.hpp"

#include <cstring>

namespace folivo::reader {

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == 0; }

bool IsDelimiter(int c) { return c >= 0 && std::strchr("()<>[]{}/%", c) != nullptr && c != 0; }

namespace {

bool IsRegular(int c) { return c >= 0 && !IsBlank(c) && !IsDelimiter(c); }

int HexDigit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

int Parser::Peek(size_t ahead) const {
    return pos_ + ahead < data_.size() ? data_[pos_ + ahead] : -1;
}

void Parser::Fail(const std::string& what) const {
    throw ReadError(what + " at byte " + std::to_string(pos_));
}

void Parser::SkipBlanks() {
    while (!AtEnd()) {
        int c = Peek();
        if (c == '%') {
            while (!AtEnd() && Peek() != '\r' && Peek() != '\n') ++pos_;
        } else if (IsBlank(c)) {
            ++pos_;
        } else {
            return;
        }
    }
}

std::string Parser::ReadRegular() {
    std::string token;
    while (IsRegular(Peek())) token += static_cast<char>(data_[pos_++]);
    return token;
}

bool Parser::Accept(std::string_view keyword) {
    SkipBlanks();
    const size_t n = keyword.size();
    if (pos_ + n > data_.size() || std::memcmp(data_.data() + pos_, keyword.data(), n) != 0) return false;
    if (IsRegular(Peek(n))) return false;
    pos_ += n;
    return true;
}

void Parser::Expect(std::string_view keyword) {
    if (!Accept(keyword)) Fail("expected \"" + std::string(keyword) + "\"");
}

int64_t Parser::ReadInteger() {
    SkipBlanks();
    Value v = ReadNumber();
    if (!v.Is(Value::Kind::Integer)) Fail("expected an integer");
    return v.integer;
}

Value Parser::ReadValue() { return ReadValue(0); }

Value Parser::ReadValue(int depth) {
    if (depth > kMaxDepth) Fail("values nested too deeply");
    SkipBlanks();
    const int c = Peek();
    if (c < 0) Fail("unexpected end of file");
    Value v;
    if (c == '/') {
        v.kind = Value::Kind::Name;
        v.text = ReadName();
    } else if (c == '(') {
        v.kind = Value::Kind::String;
        v.text = ReadLiteralString();
    } else if (c == '<' && Peek(1) == '<') {
        v = ReadDictionary(depth);
    } else if (c == '<') {
        v.kind = Value::Kind::String;
        v.text = ReadHexString();
    } else if (c == '[') {
        v = ReadArray(depth);
    } else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
        v = ReadNumberOrReference();
    } else if (IsRegular(c)) {
        v.text = ReadRegular();
        v.kind = v.text == "null" ? Value::Kind::Null : Value::Kind::Keyword;
        if (v.text == "true" || v.text == "false") {
            v.kind = Value::Kind::Boolean;
            v.boolean = v.text == "true";
        }
    } else {
        Fail(std::string("unexpected character '") + static_cast<char>(c) + "'");
    }
    return v;
}

Value Parser::ReadNumber() {
    const size_t start = pos_;
    std::string token = ReadRegular();
    if (token.empty()) Fail("expected a number");
    Value v;
    bool real = false;
    for (size_t i = 0; i < token.size(); ++i) {
        const char ch = token[i];
        if (ch == '.') {
            real = true;
        } else if (!((ch >= '0' && ch <= '9') || ((ch == '-' || ch == '+') && i == 0))) {
            pos_ = start;
            Fail("bad number \"" + token + "\"");
        }
    }
    if (real || token.size() > 18 || token == "-" || token == "+") {
        v.kind = Value::Kind::Real;
        v.text = token == "-" || token == "+" ? "0" : token;
    } else {
        v.kind = Value::Kind::Integer;
        v.integer = std::stoll(token);
    }
    return v;
}

Value Parser::ReadNumberOrReference() {
    Value first = ReadNumber();
    if (!first.Is(Value::Kind::Integer) || first.integer < 0) return first;
    const size_t after = pos_;
    SkipBlanks();
    const int c = Peek();
    if (c >= '0' && c <= '9') {
        Value second = ReadNumber();
        if (second.Is(Value::Kind::Integer) && Accept("R")) {
            first.kind = Value::Kind::Reference;
            first.generation = static_cast<int32_t>(second.integer & 0xFFFF);
            return first;
        }
    }
    pos_ = after;
    return first;
}

std::string Parser::ReadName() {
    ++pos_;  // '/'
    std::string name;
    while (IsRegular(Peek())) {
        int c = data_[pos_++];
        if (c == '#' && HexDigit(Peek()) >= 0 && HexDigit(Peek(1)) >= 0) {
            c = HexDigit(Peek()) * 16 + HexDigit(Peek(1));
            pos_ += 2;
        }
        name += static_cast<char>(c);
    }
    return name;
}

std::string Parser::ReadLiteralString() {
    ++pos_;  // '('
    std::string out;
    int nesting = 1;
    for (;;) {
        if (AtEnd()) Fail("unterminated string");
        int c = data_[pos_++];
        if (c == '(') {
            ++nesting;
        } else if (c == ')' && --nesting == 0) {
            return out;
        } else if (c == '\\') {
            if (AtEnd()) Fail("unterminated string");
            c = data_[pos_++];
            switch (c) {
                case 'n': c = '\n'; break;
                case 'r': c = '\r'; break;
                case 't': c = '\t'; break;
                case 'b': c = '\b'; break;
                case 'f': c = '\f'; break;
                case '\r':
                    if (Peek() == '\n') ++pos_;
                    continue;
                case '\n': continue;
                default:
                    if (c >= '0' && c <= '7') {
                        int code = c - '0';
                        for (int k = 0; k < 2 && Peek() >= '0' && Peek() <= '7'; ++k) code = code * 8 + (data_[pos_++] - '0');
                        c = code & 0xFF;
                    }
            }
        }
        out += static_cast<char>(c);
    }
}

std::string Parser::ReadHexString() {
    ++pos_;  // '<'
    std::string out;
    int high = -1;
    for (;;) {
        if (AtEnd()) Fail("unterminated hexadecimal string");
        const int c = data_[pos_++];
        if (c == '>') break;
        if (IsBlank(c)) continue;
        const int d = HexDigit(c);
        if (d < 0) Fail("bad hexadecimal string");
        if (high < 0) {
            high = d;
        } else {
            out += static_cast<char>(high * 16 + d);
            high = -1;
        }
    }
    if (high >= 0) out += static_cast<char>(high * 16);
    return out;
}

Value Parser::ReadArray(int depth) {
    ++pos_;  // '['
    Value v;
    v.kind = Value::Kind::Array;
    for (;;) {
        SkipBlanks();
        if (Peek() == ']') {
            ++pos_;
            return v;
        }
        v.items.push_back(ReadValue(depth + 1));
    }
}

Value Parser::ReadDictionary(int depth) {
    pos_ += 2;  // "<<"
    Value v;
    v.kind = Value::Kind::Dictionary;
    for (;;) {
        SkipBlanks();
        if (Peek() == '>' && Peek(1) == '>') {
            pos_ += 2;
            return v;
        }
        if (Peek() != '/') Fail("dictionary key is not a name");
        std::string key = ReadName();
        Value value = ReadValue(depth + 1);
        v.entries.push_back({std::move(key), std::move(value)});
    }
}

}  // namespace folivo::reader
