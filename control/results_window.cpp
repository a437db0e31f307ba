// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/results_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "control/game_results.h"

ResultsWindow::ResultsWindow(QWidget* owner, GameResults& results)
    : QDialog(owner), results_(results), table_(new QTableWidget(RESULT_ROWS, RESULT_COLUMNS, this))
{
    setWindowTitle(tr("Results"));
    auto* layout = new QVBoxLayout(this);
    auto* about =
        new QLabel(tr("The games won, lost and tied by the human against each robot level, and between two humans by "
                      "player 1. A game counts when it ends."),
                   this);
    about->setWordWrap(true);
    layout->addWidget(about);

    table_->setHorizontalHeaderLabels({tr("Won"), tr("Lost"), tr("Tied")});
    QStringList rows;
    for (int level = 1; level < RESULT_ROWS; ++level)
        rows << tr("Robot level %1").arg(level);
    rows << tr("Two humans");
    table_->setVerticalHeaderLabels(rows);
    table_->setAccessibleName(tr("Results"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    resetButton_ = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
    connect(resetButton_, &QPushButton::clicked, this, &ResultsWindow::AskAndReset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);

    connect(&results_, &GameResults::Changed, this, &ResultsWindow::Fill);
    Fill();
    // Wide enough for the note in three lines or so, and as tall as it all.
    constexpr int WIDTH = 360;
    resize(WIDTH, layout->hasHeightForWidth() ? layout->totalHeightForWidth(WIDTH) : sizeHint().height());
}

void ResultsWindow::ShowFor(QWidget* owner, GameResults& results)
{
    // One results window per owner, kept (hidden when closed) until the owner goes.
    auto* window = owner->findChild<ResultsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new ResultsWindow(owner, results);
    window->show();
    window->raise();
    window->activateWindow();
}

void ResultsWindow::Fill()
{
    const ResultTable& table = results_.Table();
    for (int row = 0; row < RESULT_ROWS; ++row)
        for (int column = 0; column < RESULT_COLUMNS; ++column) {
            auto* item =
                new QTableWidgetItem(QString::number(table[static_cast<size_t>(row)][static_cast<size_t>(column)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
}

void ResultsWindow::AskAndReset()
{
    QMessageBox box(QMessageBox::Question, tr("Reset results?"),
                    tr("Are you sure you want to set all the results back to 0?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    if (box.exec() == QMessageBox::Ok)
        results_.Reset();
}
