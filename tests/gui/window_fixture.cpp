#include "tests/gui/window_fixture.hpp"

#include <QApplication>
#include <QTest>
#include <clocale>
#include <cstdlib>

#include "app/program_end.hpp"

namespace kv::gui {

namespace {

// One QApplication for the whole suite, on the offscreen platform: the tests need no display.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app_ = std::make_unique<QApplication>(argc_, argv_);
        std::setlocale(LC_NUMERIC, "C");
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[10] = "gui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

BoxWatcher::BoxWatcher() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenBox(); });
    timer_.start();
}

void BoxWatcher::AnswerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    QAbstractButton* preset = box->defaultButton();
    QStringList buttonTexts;
    for (QAbstractButton* button : box->buttons()) buttonTexts << button->text();
    seen_.push_back(SeenBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                            preset ? box->standardButton(preset) : QMessageBox::NoButton,
                            buttonTexts});
    QAbstractButton* button = box->button(QMessageBox::No);
    if (!button) button = box->button(QMessageBox::Ok);
    if (!script_.empty()) {
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == script_.front()) button = candidate;
        }
        script_.pop_front();
    }
    if (!button) button = box->buttons().value(0);
    button->click();
}

WindowTest::~WindowTest() {
    window_.reset();
    drivers_.reset();
    if (program_) app::CloseAllFiles(*program_);
    program_.reset();  // before the dialogs it shows its boxes with
}

void WindowTest::Start(const DriversMaker& makeDrivers) {
    StartProgram();
    if (makeDrivers) drivers_ = makeDrivers(*program_);
    app::ReportDrivers& drivers = drivers_ ? *drivers_ : reports_;
    window_ = std::make_unique<SelectionWindow>(*program_, drivers);
    qtDialogs_.SetParent(window_.get());
    reports_.program = program_.get();
    reports_.panelShown = [this] { return FindControl(window_.get(), "Frame12")->isVisible(); };
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::Click(const char* name, int index) {
    QWidget* widget = Control(name, index);
    if (widget) QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

void WindowTest::ClickItem(QListWidget* list, int row) {
    QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

QStringList WindowTest::ListTexts(const char* name) {
    QStringList texts;
    auto* list = Control<QListWidget>(name);
    for (int row = 0; list && row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
}

std::vector<int> WindowTest::SelectedRows(const char* name) {
    std::vector<int> rows;
    auto* list = Control<QListWidget>(name);
    for (int row = 0; list && row < list->count(); ++row) {
        if (list->item(row)->isSelected()) rows.push_back(row);
    }
    return rows;
}

}  // namespace kv::gui
