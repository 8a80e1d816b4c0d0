// SPDX-License-Identifier: GPL-3.0-or-later
// Narrowing the unit-type tree through the part-number folding of the core.
#include "TreeFilter.h"

#include "PartNumber.h"
#include "Registry.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

std::string folded(const QString& text) {
    return foldPartNumber(text.toStdString());
}

} // namespace

TreeFilter::TreeFilter(QTreeWidget* tree, QWidget* window, QWidget* parent)
    : QLineEdit(parent)
    , m_tree(tree) {
    setObjectName(QStringLiteral("m_edTreeFilter"));
    setPlaceholderText(QStringLiteral("Part number (Ctrl+F)"));
    setClearButtonEnabled(true);
    auto* shortcut = new QShortcut(QKeySequence::Find, window);
    connect(shortcut, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
    connect(this, &QLineEdit::textChanged, this, &TreeFilter::apply);
    connect(this, &QLineEdit::returnPressed, this, &TreeFilter::selectTypedLeaf);
}

void TreeFilter::apply() {
    const std::string key = folded(text());
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* make = m_tree->topLevelItem(i);
        const bool makeMatches = folded(make->text(0)).find(key) != std::string::npos;
        bool anyLeaf = false;
        for (int j = 0; j < make->childCount(); ++j) {
            QTreeWidgetItem* leaf = make->child(j);
            const bool shown = makeMatches || folded(leaf->text(0)).find(key) != std::string::npos;
            leaf->setHidden(!shown);
            anyLeaf = anyLeaf || shown;
        }
        make->setHidden(!anyLeaf);
        if (!key.empty() && anyLeaf)
            make->setExpanded(true);
    }
}

void TreeFilter::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Enter picks the leaf that the text names, or the only leaf left in the tree.
void TreeFilter::selectTypedLeaf() {
    const PartNumberLookup lookup = lookupPartNumber(text().toStdString());
    const std::string named =
        lookup.found() ? foldPartNumber(unitTree()[lookup.leaf].partNumber) : std::string();
    QList<QTreeWidgetItem*> shown;
    for (QTreeWidgetItemIterator it(m_tree, QTreeWidgetItemIterator::NotHidden); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (!item->parent())
            continue;
        if (!named.empty() && folded(item->text(0)) == named) {
            shown = {item};
            break;
        }
        shown.append(item);
    }
    if (shown.size() != 1)
        return;
    m_tree->setCurrentItem(shown.constFirst());
    m_tree->setFocus(Qt::OtherFocusReason);
}
