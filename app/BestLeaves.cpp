// SPDX-License-Identifier: GPL-3.0-or-later
// The ranking by content, shown in the tree: bold leaves and a tooltip that says why.
#include "BestLeaves.h"

#include "Ranking.h"
#include "Registry.h"

#include <QTreeWidget>

namespace {

void clearMark(QTreeWidgetItem* leaf) {
    QFont font = leaf->font(0);
    font.setBold(false);
    leaf->setFont(0, font);
    if (leaf->data(0, kPlainToolTipRole).isValid())
        leaf->setToolTip(0, leaf->data(0, kPlainToolTipRole).toString());
}

QTreeWidgetItem* itemOf(QTreeWidget* tree, const UnitTreeLeaf& leaf) {
    const QString make = QString::fromUtf8(leaf.make);
    const QString part = QString::fromUtf8(leaf.partNumber);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = tree->topLevelItem(i);
        if (node->text(0) != make)
            continue;
        for (int j = 0; j < node->childCount(); ++j)
            if (node->child(j)->text(0) == part)
                return node->child(j);
    }
    return nullptr;
}

} // namespace

void markBestLeaves(QTreeWidget* tree, const QByteArray& dump) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        for (int j = 0; j < tree->topLevelItem(i)->childCount(); ++j)
            clearMark(tree->topLevelItem(i)->child(j));

    const std::vector<RankedLeaf> ranked =
        rankLeaves(reinterpret_cast<const uint8_t*>(dump.constData()), size_t(dump.size()));
    if (ranked.empty() || ranked.front().score <= 0)
        return;
    for (const RankedLeaf& candidate : ranked) {
        if (candidate.score != ranked.front().score)
            break;
        QTreeWidgetItem* leaf = itemOf(tree, unitTree()[candidate.leaf]);
        if (!leaf)
            continue;
        QFont font = leaf->font(0);
        font.setBold(true);
        leaf->setFont(0, font);
        if (!leaf->data(0, kPlainToolTipRole).isValid())
            leaf->setData(0, kPlainToolTipRole, leaf->toolTip(0));
        leaf->setToolTip(0, leaf->data(0, kPlainToolTipRole).toString() +
                                QStringLiteral("\nBest match for this dump (score %1): %2")
                                    .arg(candidate.score)
                                    .arg(QString::fromStdString(joinReasons(candidate))));
        if (leaf->parent())
            leaf->parent()->setExpanded(true);
    }
}
