#include "results/frmResults.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/core/app_title.h"
#include "app/current_item_focus.h"
#include "app/form_look.h"
#include "app/message_box.h"
#include "evaluation/frmEval.h"
#include "evaluation/language_words.h"
#include "results/core/profile.h"
#include "results/frmProfile.h"

namespace app = orv::app;
namespace evaluation = orv::evaluation;

namespace {

constexpr const char* kNotDeleted =
    QT_TRANSLATE_NOOP("Message", "The result could not be deleted.");

// A result's test, as it was named in the language it was taken in.
QString TitleOf(const orv::KeptResult& result) {
    const orv::EvaluationWords& words = evaluation::WordsOf(result.language);
    return evaluation::FromWordsText(words.TestTitle(result.testno), words);
}

QString ItemText(const orv::ListedResult& listed) {
    if (!listed.result) {
        return frmResults::tr("%1 (not a readable result)").arg(app::FromFilePath(listed.name));
    }
    return QString::fromLatin1(orv::ShownTime(listed.result->ended)) + QStringLiteral("   ") +
           TitleOf(*listed.result);
}

}  // namespace

frmResults::frmResults(std::string folder) : QWidget(nullptr), folder_(std::move(folder)) {
    setAttribute(Qt::WA_DeleteOnClose);
    app::ApplyFormLook(this, tr("Kept Results - %1").arg(app::AppTitle()), 9.75);
    Label1 = new QLabel;
    Label1->setFont(app::SansFont(9.75, true));
    lstResults = new QListWidget;
    lstResults->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstResults->setAccessibleName(tr("Kept results"));
    lstResults->setUniformItemSizes(true);
    app::AnnounceCurrentItemOnFocus(lstResults);
    Label1->setBuddy(lstResults);
    lblHint = new QLabel;
    lblHint->setWordWrap(true);

    cmdShow = new QPushButton(tr("Show"));
    cmdCompare = new QPushButton(tr("Compare"));
    cmdDelete = new QPushButton(tr("Delete"));
    cmdClose = new QPushButton(tr("Close"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdShow, cmdCompare, cmdDelete, cmdClose}) {
        button->setMinimumWidth(app::Pixels(1095));
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstResults, 1);
    layout->addWidget(lblHint);
    layout->addLayout(buttons);

    connect(lstResults, &QListWidget::itemSelectionChanged, this, &frmResults::SelectionChanged);
    connect(lstResults, &QListWidget::itemActivated, this, &frmResults::cmdShow_Click);
    connect(cmdShow, &QPushButton::clicked, this, &frmResults::cmdShow_Click);
    connect(cmdCompare, &QPushButton::clicked, this, &frmResults::cmdCompare_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmResults::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmResults::cmdClose_Click);
    new QShortcut(QKeySequence::Cancel, this, this, &frmResults::cmdClose_Click);
    new QShortcut(QKeySequence::Delete, lstResults, this, &frmResults::cmdDelete_Click,
                  Qt::WidgetShortcut);
    app::PressButtonsWithReturn(this);

    Refresh();
    app::SetClientSize(this, 7200, 5400);
    app::CentreOnScreen(this);
    lstResults->setFocus();
}

void frmResults::Refresh() {
    QStringList selected;
    for (const orv::ListedResult* listed : Selected()) {
        selected << QString::fromStdString(listed->name);
    }
    read_at_ = QFileInfo(app::FromFilePath(folder_)).lastModified();
    listed_ = orv::ListKeptResults(folder_);

    lstResults->clear();
    QListWidgetItem* current = nullptr;
    for (const orv::ListedResult& listed : listed_) {
        auto* item = new QListWidgetItem(ItemText(listed), lstResults);
        item->setSelected(selected.contains(QString::fromStdString(listed.name)));
        if (current == nullptr && item->isSelected()) {
            current = item;
        }
    }
    // A current item as well as a selection: a screen reader reads the
    // current item when the list gets the focus. The newest is ready to be
    // shown when nothing was selected.
    if (current != nullptr) {
        lstResults->setCurrentItem(current, QItemSelectionModel::NoUpdate);
    } else if (lstResults->count() > 0) {
        lstResults->setCurrentRow(0);
    }
    Label1->setText(listed_.empty()
                        ? tr("No results have been kept yet. A result is kept each time a test "
                             "ends.")
                        : tr("Kept results, newest first:"));
    SelectionChanged();
}

std::vector<const orv::ListedResult*> frmResults::Selected() const {
    std::vector<const orv::ListedResult*> selected;
    for (int row = 0; row < lstResults->count(); ++row) {
        if (lstResults->item(row)->isSelected() && row < int(listed_.size())) {
            selected.push_back(&listed_[row]);
        }
    }
    return selected;
}

void frmResults::SelectionChanged() {
    const auto selected = Selected();
    const bool readable =
        std::all_of(selected.begin(), selected.end(), [](const auto* s) { return s->result; });
    const bool one = selected.size() == 1 && readable;
    const bool two = selected.size() == 2 && readable;
    const bool same_test = two && selected[0]->result->testno == selected[1]->result->testno;

    QString hint =
        tr("Select a result to show or delete it, or two results of one test to compare them.");
    if (!readable) {
        for (const auto* s : selected) {
            if (!s->result) {
                hint = tr("%1 is not a readable result. It is left as it is.")
                           .arg(app::FromFilePath(s->name));
            }
        }
    } else if (two && !same_test) {
        hint = QCoreApplication::translate("Message", orv::kDifferentTests);
    }
    lblHint->setText(listed_.empty() ? QString() : hint);
    lstResults->setAccessibleDescription(lblHint->text());
    cmdShow->setEnabled(one);
    cmdDelete->setEnabled(one);
    cmdCompare->setEnabled(same_test);
}

void frmResults::cmdShow_Click() {
    const auto selected = Selected();
    if (selected.size() != 1 || !selected[0]->result) {
        return;
    }
    auto* window = new frmEval();
    window->SetResult(*selected[0]->result);
    app::ShowInFront(window);
}

void frmResults::cmdCompare_Click() {
    const auto selected = Selected();
    if (!cmdCompare->isEnabled() || selected.size() != 2) {
        return;
    }
    auto* window = new frmProfile(*selected[0]->result, &*selected[1]->result);
    app::ShowInFront(window);
}

void frmResults::cmdDelete_Click() {
    const auto selected = Selected();
    if (selected.size() != 1 || !selected[0]->result) {
        return;
    }
    const orv::KeptResult& result = *selected[0]->result;
    const std::string question =
        tr("Delete the result of the %1 that ended %2? Its file is removed for good.")
            .arg(TitleOf(result), QString::fromLatin1(orv::ShownTime(result.ended)))
            .toStdString();
    if (app::MsgBox(this, question, app::kYesNoDefaultNo) != app::kResultYes) {
        return;
    }
    if (!orv::DeleteKeptResult(folder_, selected[0]->name)) {
        app::MsgBox(this, kNotDeleted);
    }
    lstResults->clearSelection();
    Refresh();
}

void frmResults::cmdClose_Click() {
    close();
}

// Results kept while the window was open show when it comes back to the front.
void frmResults::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        QFileInfo(app::FromFilePath(folder_)).lastModified() != read_at_) {
        Refresh();
    }
    QWidget::changeEvent(event);
}
