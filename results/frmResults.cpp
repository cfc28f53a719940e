#include "results/frmResults.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/core/app_title.h"
#include "app/current_item_focus.h"
#include "app/fit_texts.h"
#include "app/form_look.h"
#include "app/message_box.h"
#include "evaluation/frmEval.h"
#include "evaluation/language_words.h"
#include "results/core/comparison.h"
#include "results/core/delete_all_results.h"
#include "results/core/profile.h"
#include "results/frmComparison.h"
#include "results/frmProfile.h"
#include "results/keep_choice.h"
#include "results/result_export.h"
#include "results/result_import.h"

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

// When a result ended, as its language writes a moment.
QString EndedOf(const orv::KeptResult& result) {
    const orv::EvaluationWords& words = evaluation::WordsOf(result.language);
    return evaluation::FromWordsText(words.Time(result.ended), words);
}

QString ItemText(const orv::ListedResult& listed) {
    if (!listed.result) {
        return frmResults::tr("%1 (not a readable result)").arg(app::FromFilePath(listed.name));
    }
    QString text = EndedOf(*listed.result) + QStringLiteral("   ") + TitleOf(*listed.result);
    if (!listed.result->name.empty()) {
        text += QStringLiteral("   ") + QString::fromStdString(listed.result->name);
    }
    return text;
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
    lblOthers = new QLabel;
    lblOthers->setWordWrap(true);

    cmdShow = new QPushButton(tr("Show"));
    cmdCompare = new QPushButton(tr("Compare"));
    cmdDelete = new QPushButton(tr("Delete"));
    cmdClose = new QPushButton(tr("Close"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdShow, cmdCompare, cmdDelete, cmdClose}) {
        button->setMinimumWidth(app::Pixels(1095));
        buttons->addWidget(button);
    }
    cmdSaveCopy = new QPushButton(tr("Save a copy\u2026"));
    cmdExportCsv = new QPushButton(tr("Export all as CSV\u2026"));
    cmdDeleteAll = new QPushButton(tr("Delete all kept results\u2026"));
    cmdOpenFile = new QPushButton(tr("Open a result file\u2026"));
    cmdName = new QPushButton(tr("Name\u2026"));
    // Two by two, each wide enough for its text in any language and size.
    auto* all_buttons = new QGridLayout;
    int place = 0;
    for (QPushButton* button : {cmdName, cmdSaveCopy, cmdOpenFile, cmdExportCsv, cmdDeleteAll}) {
        all_buttons->addWidget(button, place / 2, place % 2);
        ++place;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstResults, 1);
    layout->addWidget(lblHint);
    layout->addWidget(lblOthers);
    layout->addLayout(buttons);
    layout->addLayout(all_buttons);
    // Measured in the window's font, which the buttons have only from here on.
    for (QPushButton* button : {cmdName, cmdSaveCopy, cmdOpenFile, cmdExportCsv, cmdDeleteAll}) {
        button->setMinimumWidth(std::max(app::Pixels(1095), app::WidthToFit(button)));
    }

    connect(lstResults, &QListWidget::itemSelectionChanged, this, &frmResults::SelectionChanged);
    connect(lstResults, &QListWidget::itemActivated, this, &frmResults::cmdShow_Click);
    connect(cmdShow, &QPushButton::clicked, this, &frmResults::cmdShow_Click);
    connect(cmdCompare, &QPushButton::clicked, this, &frmResults::cmdCompare_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmResults::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmResults::cmdClose_Click);
    connect(cmdSaveCopy, &QPushButton::clicked, this, &frmResults::cmdSaveCopy_Click);
    connect(cmdExportCsv, &QPushButton::clicked, this, &frmResults::cmdExportCsv_Click);
    connect(cmdDeleteAll, &QPushButton::clicked, this, &frmResults::cmdDeleteAll_Click);
    connect(cmdName, &QPushButton::clicked, this, &frmResults::cmdName_Click);
    connect(cmdOpenFile, &QPushButton::clicked, this,
            [this] { orv::results::OpenResultFile(this, folder_); });
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
    if (!listed_.empty()) {
        Label1->setText(tr("Kept results, newest first:"));
    } else if (orv::results::KeepResultsChosen()) {
        Label1->setText(
            tr("No results have been kept yet. A result is kept each time a test ends."));
    } else {
        Label1->setText(
            tr("No results are kept: \"Keep results\" is switched off in the "
               "Results menu of the main window."));
    }
    const std::vector<std::string> others = orv::OtherFilesIn(folder_);
    QStringList other_names;
    for (const std::string& name : others) {
        other_names << app::FromFilePath(name);
    }
    lblOthers->setText(
        others.empty()
            ? QString()
            : tr("The folder of the kept results also holds files that are not results: %1. "
                 "They are left as they are.")
                  .arg(other_names.join(QStringLiteral(", "))));
    lblOthers->setVisible(!others.empty());
    const bool any = std::any_of(listed_.begin(), listed_.end(),
                                 [](const orv::ListedResult& listed) { return listed.result; });
    cmdExportCsv->setEnabled(any);
    cmdDeleteAll->setEnabled(!orv::KeptResultFiles(folder_).empty());
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
    const bool several = selected.size() >= 2 && readable;
    const bool same_test =
        several && std::all_of(selected.begin(), selected.end(), [&](const auto* s) {
            return s->result->testno == selected[0]->result->testno;
        });

    QString hint =
        tr("Select a result to show or delete it, or two to six results of one test to compare "
           "them.");
    if (!readable) {
        for (const auto* s : selected) {
            if (!s->result) {
                hint = tr("%1 is not a readable result. It is left as it is.")
                           .arg(app::FromFilePath(s->name));
            }
        }
    } else if (several && !same_test) {
        hint = selected.size() == 2
                   ? QCoreApplication::translate("Message", orv::kDifferentTests)
                   : tr("These results are of different tests, whose scales differ, so they "
                        "can't be compared.");
    } else if (selected.size() > orv::kMostCompared) {
        hint = tr("At most six results can be compared at once.");
    }
    lblHint->setText(listed_.empty() ? QString() : hint);
    lstResults->setAccessibleDescription(lblHint->text());
    cmdShow->setEnabled(one);
    cmdDelete->setEnabled(one);
    cmdSaveCopy->setEnabled(one);
    cmdName->setEnabled(one);
    cmdCompare->setEnabled(same_test && selected.size() <= orv::kMostCompared);
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
    if (!cmdCompare->isEnabled() || selected.size() < 2) {
        return;
    }
    // Two as the profile has always shown them; more side by side.
    if (selected.size() == 2) {
        app::ShowInFront(new frmProfile(*selected[0]->result, &*selected[1]->result));
        return;
    }
    std::vector<orv::KeptResult> results;  // oldest first, as the list has them
    for (auto s = selected.rbegin(); s != selected.rend(); ++s) {
        results.push_back(*(*s)->result);
    }
    const auto comparison =
        orv::CompareSeveral(results, evaluation::WordsOf(results.back().language));
    if (comparison) {
        app::ShowInFront(new frmComparison(*comparison));
    }
}

void frmResults::cmdDelete_Click() {
    const auto selected = Selected();
    if (selected.size() != 1 || !selected[0]->result) {
        return;
    }
    const orv::KeptResult& result = *selected[0]->result;
    const std::string question =
        tr("Delete the result of the %1 that ended %2? Its file is removed for good.")
            .arg(TitleOf(result), EndedOf(result))
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

void frmResults::cmdSaveCopy_Click() {
    const auto selected = Selected();
    if (selected.size() == 1 && selected[0]->result) {
        orv::results::SaveResultCopy(this, *selected[0]);
    }
}

void frmResults::cmdExportCsv_Click() {
    Refresh();
    orv::results::ExportResultsCsv(this, listed_);
}

void frmResults::cmdDeleteAll_Click() {
    Refresh();
    const auto count = orv::KeptResultFiles(folder_).size();
    if (count == 0) {
        return;
    }
    const QString question =
        count == 1 ? tr("Delete the one kept result? Its file is removed for good.")
                   : tr("Delete all %1 kept results? Their files are removed for good.").arg(count);
    if (app::MsgBox(this, question.toStdString(), app::kYesNoDefaultNo) != app::kResultYes) {
        return;
    }
    const orv::DeletedResults deleted = orv::DeleteAllKeptResults(folder_);
    lstResults->clearSelection();
    Refresh();
    if (!deleted.not_removed.empty()) {
        QStringList names;
        for (const std::string& name : deleted.not_removed) {
            names << app::FromFilePath(name);
        }
        app::MsgBox(this, tr("Kept results deleted: %1. These files could not be removed: %2.")
                              .arg(deleted.deleted)
                              .arg(names.join(QStringLiteral(", ")))
                              .toStdString());
    }
}

// The whole result is kept anew with the name; the new file stays selected.
void frmResults::cmdName_Click() {
    const auto selected = Selected();
    if (selected.size() != 1 || !selected[0]->result) {
        return;
    }
    bool ok = false;
    const QString typed =
        QInputDialog::getText(this, tr("Name"),
                              tr("Whose result is this? A name such as \"Me\", \"Anna\" or a "
                                 "pseudonym, or nothing for none:"),
                              QLineEdit::Normal, QString::fromStdString(selected[0]->result->name),
                              &ok)
            .trimmed();
    if (!ok) {
        return;
    }
    const std::string name = typed.toStdString();
    if (!name.empty() && !orv::IsPossibleName(name)) {
        app::MsgBox(this, tr("A name has at most %1 characters and no line breaks or tabs. The "
                             "result was not changed.")
                              .arg(orv::kLongestResultName)
                              .toStdString());
        return;
    }
    const auto named = orv::NameKeptResult(folder_, selected[0]->name, name);
    if (!named) {
        app::MsgBox(this, tr("The result could not be named. It was not changed.").toStdString());
        return;
    }
    lstResults->clearSelection();
    Refresh();
    for (std::size_t row = 0; row < listed_.size(); ++row) {
        if (listed_[row].name == *named) {
            lstResults->setCurrentRow(int(row));
        }
    }
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
