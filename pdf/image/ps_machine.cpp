#include "pdf/image/ps_machine.hpp"

#include <cmath>
#include <numbers>

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

using Kind = PsValue::Kind;

constexpr size_t kMaxStack = 100000;
constexpr size_t kMaxDefinitions = 100000;
constexpr int kMaxCallDepth = 100;
constexpr uint64_t kMaxSteps = 20000000;
constexpr int64_t kMaxArray = 65536;

const PsOperatorTable& Operators() {
    static const PsOperatorTable table = [] {
        PsOperatorTable t;
        AddCoreOperators(t);
        AddDrawingOperators(t);
        return t;
    }();
    return table;
}

PsValue PopList(PsMachine& m) {
    PsValue v = m.Pop();
    if (v.kind != Kind::kArray && v.kind != Kind::kProcedure) throw PsLineError{"array expected"};
    return v;
}

// Pops down to the topmost mark and returns the values above it, bottom first.
PsItems PopToMark(PsMachine& m) {
    const size_t n = m.MarkDepth();
    PsItems items(n);
    for (size_t i = n; i-- > 0;) items[i] = m.Pop();
    m.Pop();
    return items;
}

void Arithmetic(PsOperatorTable& t) {
    t["add"] = [](PsMachine& m) { const double b = m.PopNumber(); m.Push(PsValue::Number(m.PopNumber() + b)); };
    t["sub"] = [](PsMachine& m) { const double b = m.PopNumber(); m.Push(PsValue::Number(m.PopNumber() - b)); };
    t["mul"] = [](PsMachine& m) { const double b = m.PopNumber(); m.Push(PsValue::Number(m.PopNumber() * b)); };
    t["div"] = [](PsMachine& m) {
        const double b = m.PopNumber();
        if (b == 0) throw PsLineError{"division by zero"};
        m.Push(PsValue::Number(m.PopNumber() / b));
    };
    t["idiv"] = [](PsMachine& m) {
        const int64_t b = m.PopInt();
        if (b == 0) throw PsLineError{"division by zero"};
        m.Push(PsValue::Number(static_cast<double>(m.PopInt() / b)));
    };
    t["mod"] = [](PsMachine& m) {
        const int64_t b = m.PopInt();
        if (b == 0) throw PsLineError{"division by zero"};
        m.Push(PsValue::Number(static_cast<double>(m.PopInt() % b)));
    };
    t["neg"] = [](PsMachine& m) { m.Push(PsValue::Number(-m.PopNumber())); };
    t["abs"] = [](PsMachine& m) { m.Push(PsValue::Number(std::fabs(m.PopNumber()))); };
    t["sqrt"] = [](PsMachine& m) { m.Push(PsValue::Number(std::sqrt(std::fabs(m.PopNumber())))); };
    t["sin"] = [](PsMachine& m) { m.Push(PsValue::Number(std::sin(m.PopNumber() * std::numbers::pi / 180))); };
    t["cos"] = [](PsMachine& m) { m.Push(PsValue::Number(std::cos(m.PopNumber() * std::numbers::pi / 180))); };
    t["atan"] = [](PsMachine& m) {
        const double x = m.PopNumber();
        const double a = std::atan2(m.PopNumber(), x) * 180 / std::numbers::pi;
        m.Push(PsValue::Number(a < 0 ? a + 360 : a));
    };
    t["round"] = [](PsMachine& m) { m.Push(PsValue::Number(std::floor(m.PopNumber() + 0.5))); };
    t["floor"] = [](PsMachine& m) { m.Push(PsValue::Number(std::floor(m.PopNumber()))); };
    t["ceiling"] = [](PsMachine& m) { m.Push(PsValue::Number(std::ceil(m.PopNumber()))); };
    t["truncate"] = [](PsMachine& m) { m.Push(PsValue::Number(std::trunc(m.PopNumber()))); };
    t["cvi"] = t["truncate"];
    t["cvr"] = [](PsMachine& m) { m.Push(PsValue::Number(m.PopNumber())); };
}

bool Equal(const PsValue& a, const PsValue& b) {
    if (a.kind == Kind::kNumber || b.kind == Kind::kNumber) return a.kind == b.kind && a.number == b.number;
    return a.kind == b.kind && a.text == b.text && a.number == b.number && a.items == b.items;
}

void Logic(PsOperatorTable& t) {
    t["true"] = [](PsMachine& m) { m.Push(PsValue::Bool(true)); };
    t["false"] = [](PsMachine& m) { m.Push(PsValue::Bool(false)); };
    t["null"] = [](PsMachine& m) { m.Push(PsValue{}); };
    t["not"] = [](PsMachine& m) { m.Push(PsValue::Bool(!m.PopBool())); };
    t["and"] = [](PsMachine& m) { const bool b = m.PopBool(); m.Push(PsValue::Bool(m.PopBool() && b)); };
    t["or"] = [](PsMachine& m) { const bool b = m.PopBool(); m.Push(PsValue::Bool(m.PopBool() || b)); };
    t["eq"] = [](PsMachine& m) { const PsValue b = m.Pop(); m.Push(PsValue::Bool(Equal(m.Pop(), b))); };
    t["ne"] = [](PsMachine& m) { const PsValue b = m.Pop(); m.Push(PsValue::Bool(!Equal(m.Pop(), b))); };
    t["gt"] = [](PsMachine& m) { const double b = m.PopNumber(); m.Push(PsValue::Bool(m.PopNumber() > b)); };
    t["ge"] = [](PsMachine& m) { const double b = m.PopNumber(); m.Push(PsValue::Bool(m.PopNumber() >= b)); };
    t["lt"] = [](PsMachine& m) { const double b = m.PopNumber(); m.Push(PsValue::Bool(m.PopNumber() < b)); };
    t["le"] = [](PsMachine& m) { const double b = m.PopNumber(); m.Push(PsValue::Bool(m.PopNumber() <= b)); };
}

void Stack(PsOperatorTable& t) {
    t["pop"] = [](PsMachine& m) { m.Pop(); };
    t["exch"] = [](PsMachine& m) { const PsValue b = m.Pop(); const PsValue a = m.Pop(); m.Push(b); m.Push(a); };
    t["dup"] = [](PsMachine& m) { m.Push(m.Top()); };
    t["index"] = [](PsMachine& m) { m.Push(m.Top(static_cast<size_t>(std::max<int64_t>(0, m.PopInt())))); };
    t["copy"] = [](PsMachine& m) {
        const int64_t n = m.PopInt();
        if (n < 0 || static_cast<size_t>(n) > m.Count()) throw PsLineError{"copy count"};
        for (int64_t i = 0; i < n; ++i) m.Push(m.Top(static_cast<size_t>(n - 1)));
    };
    t["roll"] = [](PsMachine& m) {
        const int64_t j = m.PopInt();
        const int64_t n = m.PopInt();
        if (n < 0 || static_cast<size_t>(n) > m.Count()) throw PsLineError{"roll count"};
        if (n == 0) return;
        PsItems top(static_cast<size_t>(n));
        for (int64_t i = n; i-- > 0;) top[static_cast<size_t>(i)] = m.Pop();
        const int64_t shift = ((j % n) + n) % n;
        for (int64_t i = 0; i < n; ++i) m.Push(top[static_cast<size_t>((i - shift + n) % n)]);
    };
    t["clear"] = [](PsMachine& m) { m.ClearStack(); };
    t["count"] = [](PsMachine& m) { m.Push(PsValue::Number(static_cast<double>(m.Count()))); };
    t["mark"] = [](PsMachine& m) { m.Push(PsValue::Of(Kind::kMark)); };
    t["["] = t["mark"];
    t["<<"] = t["mark"];
    t["]"] = [](PsMachine& m) { m.Push(PsValue::List(Kind::kArray, PopToMark(m))); };
    t[">>"] = [](PsMachine& m) { PopToMark(m); m.Push(PsValue::Of(Kind::kOpaque)); };
    t["cleartomark"] = [](PsMachine& m) { PopToMark(m); };
    t["counttomark"] = [](PsMachine& m) { m.Push(PsValue::Number(static_cast<double>(m.MarkDepth()))); };
}

void Control(PsOperatorTable& t) {
    t["exec"] = [](PsMachine& m) { m.Exec(m.Pop()); };
    t["if"] = [](PsMachine& m) { const PsValue p = PopList(m); if (m.PopBool()) m.Exec(p); };
    t["ifelse"] = [](PsMachine& m) {
        const PsValue no = PopList(m);
        const PsValue yes = PopList(m);
        m.Exec(m.PopBool() ? yes : no);
    };
    t["repeat"] = [](PsMachine& m) {
        const PsValue p = PopList(m);
        for (int64_t n = m.PopInt(); n > 0; --n) m.Exec(p);
    };
    t["for"] = [](PsMachine& m) {
        const PsValue p = PopList(m);
        const double limit = m.PopNumber();
        const double step = m.PopNumber();
        const double first = m.PopNumber();
        if (step == 0) throw PsLineError{"for step 0"};
        for (double v = first; step > 0 ? v <= limit : v >= limit; v += step) {
            m.Push(PsValue::Number(v));
            m.Exec(p);
        }
    };
    t["forall"] = [](PsMachine& m) {
        const PsValue p = PopList(m);
        const PsValue list = PopList(m);
        for (const PsValue& v : *list.items) {
            m.Push(v);
            m.Exec(p);
        }
    };
    t["stopped"] = [](PsMachine& m) {
        const PsValue p = m.Pop();
        try {
            m.Exec(p);
            m.Push(PsValue::Bool(false));
        } catch (const PsLineError&) {
            m.Push(PsValue::Bool(true));
        }
    };
}

// Definitions live in one dictionary; the dictionary operators only keep the stack right.
void Dictionaries(PsOperatorTable& t) {
    t["def"] = [](PsMachine& m) {
        PsValue v = m.Pop();
        const PsValue key = m.Pop();
        if (key.kind != Kind::kLiteral && key.kind != Kind::kName) throw PsLineError{"def key"};
        m.Define(key.text, std::move(v));
    };
    t["bind"] = [](PsMachine&) {};
    t["load"] = [](PsMachine& m) {
        const PsValue key = m.Pop();
        const PsValue* v = m.Lookup(key.text);
        m.Push(v != nullptr ? *v : PsValue::Of(Kind::kName, key.text));
    };
    t["where"] = [](PsMachine& m) {
        const bool known = m.Lookup(m.Pop().text) != nullptr;
        if (known) m.Push(PsValue::Of(Kind::kOpaque));
        m.Push(PsValue::Bool(known));
    };
    t["known"] = [](PsMachine& m) { const PsValue key = m.Pop(); m.Pop(); m.Push(PsValue::Bool(m.Lookup(key.text))); };
    for (const char* name : {"userdict", "globaldict", "systemdict", "statusdict", "currentdict", "save"})
        t[name] = [](PsMachine& m) { m.Push(PsValue::Of(Kind::kOpaque)); };
    t["dict"] = [](PsMachine& m) { m.PopInt(); m.Push(PsValue::Of(Kind::kOpaque)); };
    for (const char* name : {"begin", "restore"}) t[name] = [](PsMachine& m) { m.Pop(); };
    t["end"] = [](PsMachine&) {};
    t["cvx"] = [](PsMachine& m) {
        PsValue& v = m.Top();
        if (v.kind == Kind::kLiteral) v.kind = Kind::kName;
        if (v.kind == Kind::kArray) v.kind = Kind::kProcedure;
    };
    t["cvlit"] = [](PsMachine& m) {
        PsValue& v = m.Top();
        if (v.kind == Kind::kName) v.kind = Kind::kLiteral;
        if (v.kind == Kind::kProcedure) v.kind = Kind::kArray;
    };
}

void Arrays(PsOperatorTable& t) {
    t["array"] = [](PsMachine& m) {
        const int64_t n = m.PopInt();
        if (n < 0 || n > kMaxArray) throw PsLineError{"array size"};
        m.Push(PsValue::List(Kind::kArray, PsItems(static_cast<size_t>(n))));
    };
    t["string"] = [](PsMachine& m) {
        const int64_t n = m.PopInt();
        if (n < 0 || n > kMaxArray) throw PsLineError{"string size"};
        m.Push(PsValue::Of(Kind::kString, std::string(static_cast<size_t>(n), '\0')));
    };
    t["astore"] = [](PsMachine& m) {
        PsValue a = PopList(m);
        auto items = std::make_shared<PsItems>(*a.items);
        for (size_t i = items->size(); i-- > 0;) (*items)[i] = m.Pop();
        a.items = std::move(items);
        m.Push(std::move(a));
    };
    t["aload"] = [](PsMachine& m) {
        const PsValue a = PopList(m);
        for (const PsValue& v : *a.items) m.Push(v);
        m.Push(a);
    };
    t["length"] = [](PsMachine& m) {
        const PsValue v = m.Pop();
        m.Push(PsValue::Number(static_cast<double>(v.items ? v.items->size() : v.text.size())));
    };
    t["get"] = [](PsMachine& m) {
        const PsValue key = m.Pop();
        const PsValue v = m.Pop();
        if (v.items && key.kind == Kind::kNumber && key.number >= 0 && key.number < static_cast<double>(v.items->size())) {
            m.Push((*v.items)[static_cast<size_t>(key.number)]);
        } else if (const PsValue* d = m.Lookup(key.text); d != nullptr && v.kind == Kind::kOpaque) {
            m.Push(*d);
        } else {
            throw PsLineError{"get"};
        }
    };
    t["put"] = [](PsMachine& m) {
        PsValue v = m.Pop();
        const PsValue key = m.Pop();
        if (m.Pop().kind == Kind::kOpaque && (key.kind == Kind::kLiteral)) m.Define(key.text, std::move(v));
    };
}

}  // namespace

void AddCoreOperators(PsOperatorTable& table) {
    Arithmetic(table);
    Logic(table);
    Stack(table);
    Control(table);
    Dictionaries(table);
    Arrays(table);
}

void PsMachine::Run(const PsItems& values) {
    for (const PsValue& v : values) {
        if (v.kind == Kind::kName) {
            ExecName(v.text);
        } else {
            Push(v);
        }
    }
}

void PsMachine::Push(PsValue v) {
    if (stack_.size() >= kMaxStack) throw PsLineError{"operand stack full"};
    stack_.push_back(std::move(v));
}

PsValue PsMachine::Pop() {
    if (stack_.empty()) throw PsLineError{"operand stack empty"};
    PsValue v = std::move(stack_.back());
    stack_.pop_back();
    return v;
}

double PsMachine::PopNumber() {
    const PsValue v = Pop();
    if (v.kind != Kind::kNumber || !std::isfinite(v.number)) throw PsLineError{"number expected"};
    return v.number;
}

int64_t PsMachine::PopInt() {
    const double n = PopNumber();
    if (std::fabs(n) > 1e15) throw PsLineError{"integer out of range"};
    return static_cast<int64_t>(n);
}

bool PsMachine::PopBool() {
    const PsValue v = Pop();
    if (v.kind != Kind::kBool) throw PsLineError{"boolean expected"};
    return v.number != 0;
}

PsValue& PsMachine::Top(size_t below) {
    if (below >= stack_.size()) throw PsLineError{"operand stack too short"};
    return stack_[stack_.size() - 1 - below];
}

size_t PsMachine::MarkDepth() const {
    for (size_t i = stack_.size(); i-- > 0;) {
        if (stack_[i].kind == Kind::kMark) return stack_.size() - 1 - i;
    }
    throw PsLineError{"no mark"};
}

void PsMachine::Exec(const PsValue& v) {
    if (v.kind == Kind::kName) return ExecName(v.text);
    if (v.kind != Kind::kProcedure) return Push(v);
    Step();
    if (depth_ >= kMaxCallDepth) throw PsLineError{"procedures call too deep"};
    ++depth_;
    try {
        for (const PsValue& item : *v.items) {
            if (item.kind == Kind::kName) {
                ExecName(item.text);
            } else {
                Push(item);
            }
        }
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
}

void PsMachine::ExecName(const std::string& name) {
    Step();
    if (const PsValue* v = Lookup(name)) {
        const PsValue copy = *v;  // a procedure may redefine its own name
        if (copy.kind == Kind::kProcedure) return Exec(copy);
        if (copy.kind != Kind::kName) return Push(copy);
        return Operator(copy.text);  // a loaded operator under another name
    }
    Operator(name);
}

void PsMachine::Operator(const std::string& name) {
    const auto& table = Operators();
    const auto op = table.find(name);
    if (op == table.end()) throw PsLineError{"unknown operator " + name};
    op->second(*this);
}

void PsMachine::Step() {
    if (++steps_ > kMaxSteps) throw FormatError("PostScript picture runs too long");
}

void PsMachine::Define(const std::string& key, PsValue v) {
    if (definitions_.size() >= kMaxDefinitions && !definitions_.count(key)) throw PsLineError{"too many definitions"};
    definitions_[key] = std::move(v);
}

const PsValue* PsMachine::Lookup(const std::string& key) const {
    const auto it = definitions_.find(key);
    return it == definitions_.end() ? nullptr : &it->second;
}

}  // namespace folivo::image
