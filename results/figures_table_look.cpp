#include "results/figures_table_look.h"

#include <QHeaderView>
#include <QTableWidget>

#include "app/current_item_focus.h"
#include "app/form_colours.h"

namespace orv::results {

void LookOfFiguresTable(QTableWidget* table) {
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    app::PaintHeaderReadable(table->horizontalHeader());
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setCurrentCell(0, 0);
    app::AnnounceCurrentItemOnFocus(table);
}

}  // namespace orv::results
