#include "gui/selection_window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QItemSelection>
#include <QScreen>
#include <QShortcut>

#include "app/program_end.hpp"
#include "app/screen_confirm.hpp"
#include "app/screen_controls.hpp"
#include "app/screen_progress.hpp"
#include "app/screen_reactions.hpp"
#include "gui/model_action.hpp"
#include "gui/qt_text.hpp"
#include "gui/window_layout.hpp"
#include "platform/errors.hpp"

namespace kv::gui {

namespace {

// The hourglass pointer while the model rebuilds or reselects a list.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

SelectionWindow::SelectionWindow(app::Program& program, app::ReportDrivers& reports)
    : program_(program), reports_(reports), widgets_(BuildScreenWidgets(this)), view_(widgets_) {
    setObjectName("FrmQTVELMNEW");
    setWindowTitle(ToQt(std::string(app::kScreenCaption)));
    setFixedSize(ToPixels(app::kScreenWidth), ToPixels(app::kScreenHeight));
    PlaceOnScreen();
    Wire();
    ShowModel();
    if (program_.screen.currentCompany >= 0) widgets_.ListAzi->setFocus();
    program_.showProgress = [this] { ShowProgress(); };
}

SelectionWindow::~SelectionWindow() { program_.showProgress = nullptr; }

void SelectionWindow::PlaceOnScreen() {
    QScreen* screen = QApplication::primaryScreen();
    if (!screen) return;
    QRect display = screen->geometry();
    app::TwipsRect placed = app::CentredScreen(display.width() * kTwipsPerPixel,
                                               display.height() * kTwipsPerPixel);
    move(display.left() + placed.left / kTwipsPerPixel, display.top() + placed.top / kTwipsPerPixel);
}

void SelectionWindow::ShowModel() { view_.Show(program_.screen); }

template <class Action>
void SelectionWindow::Act(Action&& action) {
    // One action at a time: what reaches the window while a report runs or a box is open (such as
    // the window manager's close) waits for it to end.
    if (endStatus_ || acting_) return;
    acting_ = true;
    struct Done {
        bool& acting;
        ~Done() { acting = false; }
    } done{acting_};
    if (std::optional<int> ended = RunModelAction(program_, action)) {
        End(*ended);
        return;
    }
    ShowModel();
    ApplyFocus();
}

void SelectionWindow::ApplyFocus() {
    if (program_.screen.focus.empty()) return;
    if (QWidget* widget = FindControl(this, ToQt(program_.screen.focus))) widget->setFocus();
}

void SelectionWindow::End(int status) {
    app::CloseAllFiles(program_);
    endStatus_ = status;
    close();
    if (onEnd_) onEnd_(status);
}

void SelectionWindow::closeEvent(QCloseEvent* event) {
    if (!endStatus_ && !acting_) Act([this] { app::Form_Unload(program_); });
    if (endStatus_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void SelectionWindow::Wire() {
    WireLists();
    WireOptions();
    WireCommands();
}

void SelectionWindow::WireLists() {
    auto select = [this](void (*choose)(app::Program&, int, bool)) {
        return [this, choose](const QItemSelection& on, const QItemSelection& off) {
            if (view_.writing()) return;
            Act([&] {
                for (const QModelIndex& index : off.indexes()) choose(program_, index.row(), false);
                for (const QModelIndex& index : on.indexes()) choose(program_, index.row(), true);
            });
        };
    };
    connect(widgets_.ListMesi->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            select(&app::SelectMonth));
    connect(widgets_.ListAzi->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            select(&app::SelectCompany));
    connect(widgets_.CheckTutti, &QCheckBox::clicked, this,
            [this](bool ticked) { Act([&] { app::TickAllMonths(program_, ticked); }); });
    connect(widgets_.CheckNonSovrascrivere, &QCheckBox::clicked, this,
            [this](bool ticked) { Act([&] { app::TickKeepExistingPdfs(program_, ticked); }); });
    connect(widgets_.CheckPdfA, &QCheckBox::clicked, this,
            [this](bool ticked) { Act([&] { app::TickArchivalPdf(program_, ticked); }); });
    connect(widgets_.CheckAzi, &QCheckBox::clicked, this, [this](bool ticked) {
        BusyCursor busy;
        Act([&] { app::TickAllCompanies(program_, ticked); });
    });
}

void SelectionWindow::WireOptions() {
    auto choose = [this](QRadioButton* option, void (*action)(app::Program&, int)) {
        connect(option->group(), &QButtonGroup::idClicked, this,
                [this, action](int index) { Act([&] { action(program_, index); }); });
    };
    choose(widgets_.OptionAnno[0], &app::ChooseYear);
    choose(widgets_.OptionDoc[0], &app::ChooseReport);
    choose(widgets_.OptionStampa[0], &app::ChooseOutput);
    connect(widgets_.OptOrdListAzi[0]->group(), &QButtonGroup::idClicked, this, [this](int index) {
        BusyCursor busy;
        Act([&] { app::ChooseOrder(program_, index); });
    });
    connect(widgets_.txtdata, &QLineEdit::textEdited, this, [this](const QString& text) {
        Act([&] { app::TypeDate(program_, FromQt(text)); });
    });
}

void SelectionWindow::WireCommands() {
    connect(widgets_.CmdConferma, &QPushButton::clicked, this,
            [this] { Act([this] { app::CmdConferma_Click(program_, reports_); }); });
    connect(widgets_.CmdUscita, &QPushButton::clicked, this,
            [this] { Act([this] { app::CmdUscita_Click(program_); }); });
    // Annulla is pressed while the report runs, inside the action of Conferma.
    connect(widgets_.CmdAnnulla, &QPushButton::clicked, this,
            [this] {
                app::CmdAnnulla_Click(program_);
                view_.ShowWaitPanel(program_.screen);
            });
    auto* info = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this);
    connect(info, &QShortcut::activated, this,
            [this] { Act([this] { app::Form_KeyDown(program_, app::kKeyP, app::kShiftAndCtrl); }); });
}

void SelectionWindow::ShowProgress() {
    view_.ShowWaitPanel(program_.screen);
    // The report runs on this thread: the window paints and takes the user's clicks (Annulla; the
    // other controls are disabled, and a model action waits for the report) only here.
    QApplication::processEvents();
}

}  // namespace kv::gui
