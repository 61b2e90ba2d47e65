// The drawing operators of PostScript and the abbreviations of Illustrator files, on a PsCanvas.

#include <cmath>
#include <numbers>

#include "pdf/image/byte_source.hpp"
#include "pdf/image/ps_machine.hpp"

namespace folivo::image {

namespace {

using Kind = PsValue::Kind;

// Pops n numbers, returned in the order they were pushed.
std::vector<double> PopNumbers(PsMachine& m, size_t n) {
    std::vector<double> v(n);
    for (size_t i = n; i-- > 0;) v[i] = m.PopNumber();
    return v;
}

PsMatrix PopMatrix(PsMachine& m) {
    const PsValue a = m.Pop();
    if (!a.items || a.items->size() != 6) throw PsLineError{"matrix expected"};
    double v[6];
    for (size_t i = 0; i < 6; ++i) {
        const PsValue& item = (*a.items)[i];
        if (item.kind != Kind::kNumber) throw PsLineError{"matrix expected"};
        v[i] = item.number;
    }
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

PsValue MatrixValue(const PsMatrix& t) {
    return PsValue::List(Kind::kArray, {PsValue::Number(t.a), PsValue::Number(t.b), PsValue::Number(t.c),
                                        PsValue::Number(t.d), PsValue::Number(t.e), PsValue::Number(t.f)});
}

// Applies `t` before the current matrix, as translate, scale, rotate and concat do.
void Transform(PsMachine& m, const PsMatrix& t) {
    PsMatrix& ctm = m.canvas().state().ctm;
    ctm = ctm.After(t);
}

std::vector<double> Hsb(double h, double s, double b) {
    const double i = std::floor(h * 6);
    const double f = h * 6 - i;
    const double p = b * (1 - s), q = b * (1 - s * f), t = b * (1 - s * (1 - f));
    switch (static_cast<int>(i) % 6) {
        case 0: return {b, t, p};
        case 1: return {q, b, p};
        case 2: return {p, b, t};
        case 3: return {p, q, b};
        case 4: return {t, p, b};
        default: return {b, p, q};
    }
}

void SetColor(PsMachine& m, size_t n, bool fill, bool stroke) {
    const std::vector<double> c = PopNumbers(m, n);
    if (fill) m.canvas().state().fill = c;
    if (stroke) m.canvas().state().stroke = c;
}

void Paths(PsOperatorTable& t) {
    t["newpath"] = [](PsMachine& m) { m.canvas().NewPath(); };
    t["moveto"] = [](PsMachine& m) { const auto p = PopNumbers(m, 2); m.canvas().MoveTo(p[0], p[1]); };
    t["lineto"] = [](PsMachine& m) { const auto p = PopNumbers(m, 2); m.canvas().LineTo(p[0], p[1]); };
    t["curveto"] = [](PsMachine& m) {
        const auto p = PopNumbers(m, 6);
        m.canvas().CurveTo(p[0], p[1], p[2], p[3], p[4], p[5]);
    };
    t["rmoveto"] = [](PsMachine& m) {
        const auto p = PopNumbers(m, 2);
        double x = 0, y = 0;
        m.canvas().CurrentPoint(x, y);
        m.canvas().MoveTo(x + p[0], y + p[1]);
    };
    t["rlineto"] = [](PsMachine& m) {
        const auto p = PopNumbers(m, 2);
        double x = 0, y = 0;
        m.canvas().CurrentPoint(x, y);
        m.canvas().LineTo(x + p[0], y + p[1]);
    };
    t["rcurveto"] = [](PsMachine& m) {
        const auto p = PopNumbers(m, 6);
        double x = 0, y = 0;
        m.canvas().CurrentPoint(x, y);
        m.canvas().CurveTo(x + p[0], y + p[1], x + p[2], y + p[3], x + p[4], y + p[5]);
    };
    t["closepath"] = [](PsMachine& m) { m.canvas().ClosePath(); };
    t["arc"] = [](PsMachine& m) { const auto p = PopNumbers(m, 5); m.canvas().Arc(p[0], p[1], p[2], p[3], p[4], false); };
    t["arcn"] = [](PsMachine& m) { const auto p = PopNumbers(m, 5); m.canvas().Arc(p[0], p[1], p[2], p[3], p[4], true); };
    t["currentpoint"] = [](PsMachine& m) {
        double x = 0, y = 0;
        m.canvas().CurrentPoint(x, y);
        m.Push(PsValue::Number(x));
        m.Push(PsValue::Number(y));
    };
}

// x y w h, as a closed rectangle of its own.
void RectanglePath(PsMachine& m) {
    const auto p = PopNumbers(m, 4);
    PsCanvas& c = m.canvas();
    c.NewPath();
    c.MoveTo(p[0], p[1]);
    c.LineTo(p[0] + p[2], p[1]);
    c.LineTo(p[0] + p[2], p[1] + p[3]);
    c.LineTo(p[0], p[1] + p[3]);
    c.ClosePath();
}

void Painting(PsOperatorTable& t) {
    t["fill"] = [](PsMachine& m) { m.canvas().Paint(true, false, false); };
    t["eofill"] = [](PsMachine& m) { m.canvas().Paint(true, true, false); };
    t["stroke"] = [](PsMachine& m) { m.canvas().Paint(false, false, true); };
    t["clip"] = [](PsMachine& m) { m.canvas().Clip(false); };
    t["eoclip"] = [](PsMachine& m) { m.canvas().Clip(true); };
    t["rectfill"] = [](PsMachine& m) { RectanglePath(m); m.canvas().Paint(true, false, false); };
    t["rectstroke"] = [](PsMachine& m) { RectanglePath(m); m.canvas().Paint(false, false, true); };
    t["rectclip"] = [](PsMachine& m) { RectanglePath(m); m.canvas().Clip(false); m.canvas().NewPath(); };
    t["gsave"] = [](PsMachine& m) { m.canvas().Save(); };
    t["grestore"] = [](PsMachine& m) { m.canvas().Restore(); };
    t["showpage"] = [](PsMachine&) { throw PsStop{}; };
    // Raster data is read from the file itself, which this line-by-line reading cannot follow.
    for (const char* name : {"image", "colorimage", "imagemask", "currentfile"}) {
        t[name] = [](PsMachine&) { throw FormatError("PostScript picture with raster data"); };
    }
}

void Style(PsOperatorTable& t) {
    t["setlinewidth"] = [](PsMachine& m) { m.canvas().state().lineWidth = std::fabs(m.PopNumber()); };
    t["setlinecap"] = [](PsMachine& m) { m.canvas().state().cap = static_cast<int>(std::clamp<int64_t>(m.PopInt(), 0, 2)); };
    t["setlinejoin"] = [](PsMachine& m) { m.canvas().state().join = static_cast<int>(std::clamp<int64_t>(m.PopInt(), 0, 2)); };
    t["setmiterlimit"] = [](PsMachine& m) { m.canvas().state().miterLimit = std::max(1.0, m.PopNumber()); };
    t["setdash"] = [](PsMachine& m) {
        const double phase = m.PopNumber();
        const PsValue a = m.Pop();
        if (!a.items) throw PsLineError{"dash array expected"};
        std::vector<double> dash;
        for (const PsValue& v : *a.items) {
            if (v.kind != Kind::kNumber || v.number < 0) throw PsLineError{"dash length"};
            dash.push_back(v.number);
        }
        m.canvas().state().dash = std::move(dash);
        m.canvas().state().dashPhase = phase;
    };
    t["setgray"] = [](PsMachine& m) { SetColor(m, 1, true, true); };
    t["setrgbcolor"] = [](PsMachine& m) { SetColor(m, 3, true, true); };
    t["setcmykcolor"] = [](PsMachine& m) { SetColor(m, 4, true, true); };
    t["sethsbcolor"] = [](PsMachine& m) {
        const auto p = PopNumbers(m, 3);
        m.canvas().state().fill = m.canvas().state().stroke = Hsb(p[0], p[1], p[2]);
    };
    // Settings that do not change what is drawn here take their operand and are done.
    for (const char* name : {"setflat", "setoverprint", "setstrokeadjust", "setsmoothness", "setcolorspace",
                             "setpagedevice", "settransfer", "sethalftone", "setglobal", "setpacking"}) {
        t[name] = [](PsMachine& m) { m.Pop(); };
    }
    t["pdfmark"] = t["cleartomark"];
}

void Matrices(PsOperatorTable& t) {
    t["matrix"] = [](PsMachine& m) { m.Push(MatrixValue({})); };
    t["currentmatrix"] = [](PsMachine& m) { m.Pop(); m.Push(MatrixValue(m.canvas().state().ctm)); };
    t["setmatrix"] = [](PsMachine& m) { m.canvas().state().ctm = PopMatrix(m); };
    t["initmatrix"] = [](PsMachine& m) { m.canvas().state().ctm = {}; };
    t["concat"] = [](PsMachine& m) { Transform(m, PopMatrix(m)); };
    t["translate"] = [](PsMachine& m) { const auto p = PopNumbers(m, 2); Transform(m, {1, 0, 0, 1, p[0], p[1]}); };
    t["scale"] = [](PsMachine& m) { const auto p = PopNumbers(m, 2); Transform(m, {p[0], 0, 0, p[1], 0, 0}); };
    t["rotate"] = [](PsMachine& m) {
        const double a = m.PopNumber() * std::numbers::pi / 180;
        Transform(m, {std::cos(a), std::sin(a), -std::sin(a), std::cos(a), 0, 0});
    };
}

// Fonts are kept as a name and a size; text is drawn in the nearest standard font.
void Text(PsOperatorTable& t) {
    t["findfont"] = [](PsMachine& m) {
        PsValue name = m.Pop();
        m.Push({Kind::kFont, 1, std::move(name.text), nullptr});
    };
    t["scalefont"] = [](PsMachine& m) {
        const double s = m.PopNumber();
        PsValue& f = m.Top();
        if (f.kind != Kind::kFont) throw PsLineError{"font expected"};
        f.number *= s;
    };
    t["setfont"] = [](PsMachine& m) {
        const PsValue f = m.Pop();
        if (f.kind != Kind::kFont) throw PsLineError{"font expected"};
        m.canvas().state().fontName = f.text;
        m.canvas().state().fontSize = f.number;
    };
    t["selectfont"] = [](PsMachine& m) {
        const double s = m.PopNumber();
        m.canvas().state().fontName = m.Pop().text;
        m.canvas().state().fontSize = s;
    };
    t["show"] = [](PsMachine& m) {
        const PsValue s = m.Pop();
        if (s.kind != Kind::kString) throw PsLineError{"string expected"};
        m.canvas().Show(s.text);
    };
}

// Illustrator's one- and two-letter operators: paths (upper-case forms are corner points),
// painting with separate fill and stroke colours, and group and setting markers.
void Illustrator(PsOperatorTable& t) {
    for (const char* name : {"m"}) t[name] = t["moveto"];
    for (const char* name : {"l", "L"}) t[name] = t["lineto"];
    for (const char* name : {"c", "C"}) t[name] = t["curveto"];
    for (const char* name : {"v", "V"}) {
        t[name] = [](PsMachine& m) {
            const auto p = PopNumbers(m, 4);
            double x = 0, y = 0;
            m.canvas().CurrentPoint(x, y);
            m.canvas().CurveTo(x, y, p[0], p[1], p[2], p[3]);
        };
    }
    for (const char* name : {"y", "Y"}) {
        t[name] = [](PsMachine& m) { const auto p = PopNumbers(m, 4); m.canvas().CurveTo(p[0], p[1], p[2], p[3], p[2], p[3]); };
    }
    for (const char* name : {"h", "H"}) t[name] = t["closepath"];
    for (const char* name : {"n", "N"}) t[name] = t["newpath"];
    t["F"] = [](PsMachine& m) { m.canvas().Paint(true, true, false); };
    t["f"] = [](PsMachine& m) { m.canvas().ClosePath(); m.canvas().Paint(true, true, false); };
    t["S"] = t["stroke"];
    t["s"] = [](PsMachine& m) { m.canvas().ClosePath(); m.canvas().Paint(false, false, true); };
    t["B"] = [](PsMachine& m) { m.canvas().Paint(true, true, true); };
    t["b"] = [](PsMachine& m) { m.canvas().ClosePath(); m.canvas().Paint(true, true, true); };
    t["g"] = [](PsMachine& m) { SetColor(m, 1, true, false); };
    t["G"] = [](PsMachine& m) { SetColor(m, 1, false, true); };
    t["k"] = [](PsMachine& m) { SetColor(m, 4, true, false); };
    t["K"] = [](PsMachine& m) { SetColor(m, 4, false, true); };
    t["Xa"] = [](PsMachine& m) { SetColor(m, 3, true, false); };
    t["XA"] = [](PsMachine& m) { SetColor(m, 3, false, true); };
    t["w"] = t["setlinewidth"];
    t["j"] = t["setlinejoin"];
    t["J"] = t["setlinecap"];
    t["M"] = t["setmiterlimit"];
    t["d"] = t["setdash"];
    t["q"] = t["gsave"];
    t["Q"] = t["grestore"];
    t["W"] = t["clip"];
    for (const char* name : {"u", "U", "*u", "*U"}) t[name] = [](PsMachine&) {};
    for (const char* name : {"A", "D", "XR", "O", "R", "i"}) t[name] = [](PsMachine& m) { m.Pop(); };
}

}  // namespace

void AddDrawingOperators(PsOperatorTable& table) {
    Paths(table);
    Painting(table);
    Style(table);
    Matrices(table);
    Text(table);
    Illustrator(table);
}

}  // namespace folivo::image
