// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: unit-type tree, info panel, report memo, menus and the check flow.
#pragma once

#include "NameOnlyIconProvider.h"
#include "PrintLog.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

class CalloutPanel;
class ElidedLabel;
class PaneSplitter;
class QAction;
class ReportExplainer;
class QDragEnterEvent;
class QDropEvent;
class QFileDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QTreeWidget;
class QTreeWidgetItem;
class TfrmAbout;
class TreeFilter;
class WarningBar;
class ecuDTC;

class TfrmDTCReader : public QMainWindow, private ReportSink {
    Q_OBJECT

public:
    explicit TfrmDTCReader(QWidget* parent = nullptr);
    ~TfrmDTCReader() override;

    /// Loads the dump at `path` as "&Open..." does after its dialog: on success it replaces the
    /// dump, the status text and clears the report; on failure it shows why and changes nothing.
    bool openDump(const QString& path);

    /// Writes the report to `path` (CR LF line ends, Windows-1252), after `header` when given;
    /// an existing file is replaced only once the new one is complete. Shows an error and
    /// returns false when that fails.
    bool saveLog(const QString& path, const QStringList& header = {});

    /// Compares the file at `path` with the loaded dump and tells the result in a message box.
    /// Neither file is changed. Shows why and returns false when the file cannot be read.
    bool compareWith(const QString& path);

    /// The name that Save proposes for the error log, as it stands before the dialog opens.
    QString proposedLogName();

    const QByteArray& dump() const { return m_dump; }

protected:
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void miOpenClick();
    void miSaveFileClick();
    void m_miCloseClick();
    void m_miCheckDTCClick();
    void miCompareClick();
    void miAboutClick();
    void m_tvTypesChange();
    void m_tvTypesActivate(QTreeWidgetItem* item);

private:
    void append(std::string_view entry) override;

    void buildStatusBar();
    void buildPanels();
    QWidget* buildTypesPanel();
    QWidget* buildReportPanel();
    QWidget* buildInfoPanel();
    void buildMenus();
    void buildTree();
    void FormActivate();
    void UpdateCheckEnabled();
    void markFittingTypes();
    std::unique_ptr<ecuDTC> CreateSelectedDecoder() const;
    void CheckDTC();
    bool RunDecoder(ecuDTC& decoder);
    void showReportFrom(int line);
    QFileDialog* openDialog();
    QFileDialog* saveDialog();
    QFileDialog* compareDialog();
    void prepareFileDialog(QFileDialog* dialog);
    bool execFileDialog(QFileDialog* dialog);
    void showError(const QString& message);
    QStringList memoLines() const;

    QByteArray m_dump;
    QString m_dumpFileName;
    QString m_logFileName;
    ScopedReportSink m_sink;
    bool m_gatheringReport = false;
    QStringList m_newReport;

    NameOnlyIconProvider m_iconProvider;

    ElidedLabel* m_lblStatusText;
    QProgressBar* m_Ani;
    QTreeWidget* m_tvTypes;
    PaneSplitter* m_pnlRight;
    QPlainTextEdit* m_mOutput;
    CalloutPanel* m_pnlShowInfo;
    QLabel* m_lblInfo;
    QFileDialog* dlgFileOpen;
    QFileDialog* dlgFileSave;
    QFileDialog* dlgFileCompare;
    QAction* miOpen;
    QAction* miSaveFile;
    QAction* m_miClose;
    QAction* m_miCheckDTC;
    QAction* miCompare;
    QAction* miAbout;
    TfrmAbout* m_frmAbout;
    WarningBar* m_warningBar;
    TreeFilter* m_treeFilter;
    ReportExplainer* m_explainer;
};
