#pragma once
// A small PostScript interpreter for drawing: an operand stack, one dictionary of the file's own
// definitions, the stack, arithmetic and control operators, and the drawing operators of
// PostScript and of Illustrator files, which paint on a PsCanvas. Work is bounded: a file that
// runs too long is refused.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "pdf/image/ps_canvas.hpp"
#include "pdf/image/ps_tokens.hpp"

namespace folivo::image {

// Thrown by "showpage": the picture is complete.
struct PsStop {};

class PsMachine;
using PsOperator = void (*)(PsMachine&);
using PsOperatorTable = std::unordered_map<std::string, PsOperator>;

// The operators of ps_machine.cpp and ps_drawing.cpp.
void AddCoreOperators(PsOperatorTable& table);
void AddDrawingOperators(PsOperatorTable& table);

class PsMachine {
public:
    explicit PsMachine(PsCanvas& canvas) : canvas_(canvas) {}

    // Runs the values of one line. Throws PsLineError when the line cannot run, PsStop at the
    // end of the page, and folivo::Error when the picture is refused.
    void Run(const PsItems& values);
    // Forgets the operands a failed line left behind.
    void ClearStack() { stack_.clear(); }

    // For the operators.
    PsCanvas& canvas() { return canvas_; }
    void Push(PsValue v);
    PsValue Pop();
    double PopNumber();
    int64_t PopInt();
    bool PopBool();
    PsValue& Top(size_t below = 0);
    size_t Count() const { return stack_.size(); }
    // Index from the top of the stack of the topmost mark; throws when there is none.
    size_t MarkDepth() const;
    // Runs a procedure, or pushes any other value.
    void Exec(const PsValue& v);
    void Define(const std::string& key, PsValue v);
    // The file's own definition of a name, or nullptr.
    const PsValue* Lookup(const std::string& key) const;

private:
    void ExecName(const std::string& name);
    void Operator(const std::string& name);  // a built-in operator
    void Step();  // counts work, refusing the picture past its limit

    PsCanvas& canvas_;
    PsItems stack_;
    std::unordered_map<std::string, PsValue> definitions_;
    int depth_ = 0;
    uint64_t steps_ = 0;
};

}  // namespace folivo::image
