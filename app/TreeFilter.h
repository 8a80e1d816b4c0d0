// SPDX-License-Identifier: GPL-3.0-or-later
// The filter box over the unit-type tree: typing a part number narrows the tree to its leaves.
#pragma once

#include <QLineEdit>

class QTreeWidget;

class TreeFilter : public QLineEdit {
    Q_OBJECT

public:
    /// Filters `tree`; Ctrl+F anywhere in `window` moves the focus here.
    TreeFilter(QTreeWidget* tree, QWidget* window, QWidget* parent = nullptr);

    /// Leaves stay visible whose part number or make contains the typed text, with case,
    /// blanks, dashes and look-alike letters ignored; a make without such a leaf is hidden.
    void apply();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectTypedLeaf();

    QTreeWidget* m_tree;
};
