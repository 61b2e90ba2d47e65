#include "gui/screen_widgets.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <map>
#include <utility>

#include "app/screen_controls.hpp"
#include "gui/qt_text.hpp"
#include "gui/window_layout.hpp"

namespace kv::gui {

namespace {

using Key = std::pair<std::string_view, int>;
using K = app::ControlKind;

QString Caption(std::string_view cp1252) { return ToQt(std::string(cp1252)); }

QWidget* MakeWidget(const app::ControlInfo& control, QWidget* parent) {
    QString caption = Caption(control.caption);
    switch (control.kind) {
        case K::Label: return new QLabel(caption, parent);
        case K::Group: return new QGroupBox(caption, parent);
        case K::List: return new QListWidget(parent);
        case K::TickBox: return new QCheckBox(caption, parent);
        case K::Option: return new QRadioButton(caption, parent);
        case K::TextField: return new QLineEdit(parent);
        case K::Button: return new QPushButton(caption, parent);
        case K::Window: break;
    }
    return nullptr;
}

void Place(QWidget* widget, std::string_view name, int index) {
    widget->setObjectName(Caption(name));
    if (index >= 0) widget->setProperty("index", index);
    if (const ControlPlace* place = FindPlace(name, index)) widget->setGeometry(ToPixels(place->rect));
}

// Every control of the model, made in the model's order: a group comes before what it holds.
std::map<Key, QWidget*> MakeControls(QWidget* window) {
    std::map<Key, QWidget*> made;
    for (const app::ControlInfo& control : app::ScreenControls()) {
        if (control.kind == K::Window) continue;
        const ControlPlace* place = FindPlace(control.name, control.index);
        QWidget* parent = window;
        if (place && !place->parent.empty()) parent = made.at(Key{place->parent, -1});
        QWidget* widget = MakeWidget(control, parent);
        Place(widget, control.name, control.index);
        made[Key{control.name, control.index}] = widget;
    }
    return made;
}

template <class Widget>
Widget* Get(const std::map<Key, QWidget*>& made, std::string_view name, int index = -1) {
    return static_cast<Widget*>(made.at(Key{name, index}));
}

template <class Widget, std::size_t N>
void GetGroup(const std::map<Key, QWidget*>& made, std::string_view name,
              std::array<Widget*, N>& group, QWidget* window) {
    auto* buttons = new QButtonGroup(window);
    for (std::size_t i = 0; i < N; ++i) {
        group[i] = Get<Widget>(made, name, static_cast<int>(i));
        buttons->addButton(group[i], static_cast<int>(i));
    }
}

void Decorate(const std::map<Key, QWidget*>& made, const ScreenWidgets& widgets) {
    QFont title = Get<QLabel>(made, "Label1", 0)->font();
    title.setPointSize(14);
    title.setBold(true);
    Get<QLabel>(made, "Label1", 0)->setFont(title);
    widgets.yearLabel->setFont(title);
    QFont wait = title;
    wait.setPointSize(10);
    Get<QLabel>(made, "Label2", 14)->setFont(wait);
    Get<QLabel>(made, "Label2", 15)->setFont(wait);

    // The list's columns line up only in a fixed-pitch font: Courier New where it is installed
    // (fontconfig gives Liberation Mono for it), else the system's fixed font.
    QFont fixed("Courier New", 10);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    QFontMetrics metrics(fixed);
    if (metrics.horizontalAdvance('i') != metrics.horizontalAdvance('W')) {
        fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    widgets.ListAzi->setFont(fixed);

    QStyle* style = QApplication::style();
    widgets.CmdConferma->setIcon(style->standardIcon(QStyle::SP_DialogApplyButton));
    widgets.CmdUscita->setIcon(style->standardIcon(QStyle::SP_DialogCloseButton));
    widgets.CmdConferma->setIconSize(QSize(24, 24));
    widgets.CmdUscita->setIconSize(QSize(24, 24));
}

QProgressBar* MakeProgress(QGroupBox* panel) {
    auto* progress = new QProgressBar(panel);
    progress->setObjectName(Caption(kProgressName));
    progress->setGeometry(ToPixels(FindPlace(kProgressName, -1)->rect));
    progress->setFormat("%p%");
    return progress;
}

}  // namespace

ScreenWidgets BuildScreenWidgets(QWidget* window) {
    std::map<Key, QWidget*> made = MakeControls(window);
    ScreenWidgets widgets;
    widgets.yearLabel = Get<QLabel>(made, "Label1", 1);
    widgets.ListMesi = Get<QListWidget>(made, "ListMesi");
    widgets.CheckTutti = Get<QCheckBox>(made, "CheckTutti");
    GetGroup(made, "OptionAnno", widgets.OptionAnno, window);
    GetGroup(made, "OptionDoc", widgets.OptionDoc, window);
    GetGroup(made, "OptionStampa", widgets.OptionStampa, window);
    GetGroup(made, "OptOrdListAzi", widgets.OptOrdListAzi, window);
    widgets.FrameData = Get<QGroupBox>(made, "FrameData");
    widgets.txtdata = Get<QLineEdit>(made, "txtdata");
    widgets.ListAzi = Get<QListWidget>(made, "ListAzi");
    widgets.CheckAzi = Get<QCheckBox>(made, "CheckAzi");
    widgets.CheckNonSovrascrivere = Get<QCheckBox>(made, "CheckNonSovrascrivere");
    widgets.CheckPdfA = Get<QCheckBox>(made, "CheckPdfA");
    widgets.Frame12 = Get<QGroupBox>(made, "Frame12");
    widgets.progress = MakeProgress(widgets.Frame12);
    widgets.CmdAnnulla = Get<QPushButton>(made, "CmdAnnulla");
    widgets.CmdConferma = Get<QPushButton>(made, "CmdConferma");
    widgets.CmdUscita = Get<QPushButton>(made, "CmdUscita");

    for (std::string_view month : app::kMonthNames) widgets.ListMesi->addItem(Caption(month));
    widgets.ListMesi->setSelectionMode(QAbstractItemView::MultiSelection);
    widgets.ListAzi->setSelectionMode(QAbstractItemView::MultiSelection);
    widgets.Frame12->raise();  // over the two groups it covers while a report runs
    widgets.Frame12->setAutoFillBackground(true);
    Decorate(made, widgets);
    return widgets;
}

QWidget* FindControl(QWidget* window, const QString& name, int index) {
    for (QWidget* widget : window->findChildren<QWidget*>(name)) {
        QVariant own = widget->property("index");
        if ((own.isValid() ? own.toInt() : -1) == index) return widget;
    }
    return nullptr;
}

}  // namespace kv::gui
