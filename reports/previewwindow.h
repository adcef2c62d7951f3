// The print preview: the pages of a page queue drawn from their recorded drawing, with zoom, fit
// width, paging, a jump to any page, print (the desktop's print dialog), save as PDF and E-mail
// (the PDF handed to the desktop's mail program as an attachment).
#pragma once

#include "reports/pagequeue.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace rpt {

class PageView;

class PreviewWindow : public QDialog
{
    Q_OBJECT
public:
    PreviewWindow(const PageQueue &queue, std::string title, QWidget *parent = nullptr);

    // True once the pages were printed or saved from the window.
    bool delivered() const { return delivered_; }

    void showPage(int page); // 0-based, kept within the queue
    int currentPage() const { return page_; }
    void setZoom(double zoom); // 1.0: true size; 0: fit width
    void print();
    bool saveAs(const QString &fileName);
    void email();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyZoom();

    const PageQueue &queue_;
    std::string title_;
    int page_ = 0;
    double zoom_ = 0;
    bool delivered_ = false;
    bool sized_ = false;
    PageView *view_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    QSpinBox *pageBox_ = nullptr;
    QLabel *ofPages_ = nullptr;
    QComboBox *zoomBox_ = nullptr;
};

// Hands a saved PDF to the desktop's mail program; false when none could be started.
bool mailAttachment(const QString &pdf);

} // namespace rpt
