#pragma once
// A demo installation in a scratch folder, a program started over it with the real Qt message
// boxes, and its window shown on the offscreen platform; message boxes are answered by a watcher
// that records them, and the report drivers record what they are asked.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "app/program.hpp"
#include "gui/qt_dialogs.hpp"
#include "gui/selection_window.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support/recording_reports.hpp"

// Qt strings in test failures as their text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace kv::gui {

// A message box as the user saw it (UTF-8 texts).
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QStringList buttonTexts;
    bool operator==(const SeenBox&) const = default;
};
inline void PrintTo(const SeenBox& box, std::ostream* out) {
    *out << "{" << box.title.toStdString() << " | " << box.text.toStdString() << " | icon " << box.icon
         << " | buttons " << box.buttons.toInt() << " default " << box.defaultButton << " | "
         << box.buttonTexts.join(",").toStdString() << "}";
}

// Answers every modal message box that opens while it lives: with the scripted buttons (by their
// texts) first, then OK, or No for a question (so an unscripted printer error never retries for ever).
class BoxWatcher {
public:
    BoxWatcher();
    void Script(const QString& buttonText) { script_.push_back(buttonText); }
    const std::vector<SeenBox>& seen() const { return seen_; }

private:
    void AnswerOpenBox();

    QTimer timer_;
    std::deque<QString> script_;
    std::vector<SeenBox> seen_;
};

// The shared demo installation, its program showing the real Qt message boxes.
class WindowTest : public test::DemoInstallationTest {
protected:
    ~WindowTest() override;

    platform::Dialogs& ProgramDialogs() override { return qtDialogs_; }

    // Starts the program and shows its window, which runs the recording reports or the drivers
    // made for the started program.
    using DriversMaker = std::function<std::unique_ptr<app::ReportDrivers>(app::Program&)>;
    void Start(const DriversMaker& makeDrivers = {});

    template <class Widget = QWidget>
    Widget* Control(const char* name, int index = -1) {
        auto* widget = qobject_cast<Widget*>(FindControl(window_.get(), name, index));
        EXPECT_NE(widget, nullptr) << name << "(" << index << ")";
        return widget;
    }

    void Click(const char* name, int index = -1);
    void ClickItem(QListWidget* list, int row);
    QStringList ListTexts(const char* name);
    std::vector<int> SelectedRows(const char* name);

    QtDialogs qtDialogs_;
    test::RecordingReports reports_;
    std::unique_ptr<app::ReportDrivers> drivers_;
    std::unique_ptr<SelectionWindow> window_;
    BoxWatcher boxes_;
};

using test::Company;

}  // namespace kv::gui
