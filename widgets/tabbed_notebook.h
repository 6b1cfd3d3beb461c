#pragma once

#include <QSize>
#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace chronavell {

// The area every page of the window has, and is drawn for.
inline constexpr QSize PageSize(437, 144);

// Pages behind a single row of tabs along the top. Every page gets the same fixed area,
// framed by a raised border: the notebook keeps its pages' geometry exact instead of
// letting the style decide it.
class TabbedNotebook : public QWidget
{
    Q_OBJECT

public:
    explicit TabbedNotebook(QWidget* parent = nullptr);

    // The page's area within the notebook; pages added later are placed there.
    void setPageArea(const QRect& area);

    // The notebook takes the page over; its object name stays the caller's.
    void addPage(QWidget* page, const QString& caption);
    int count() const;
    QWidget* page(int index) const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return tabs_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutChildren();

    QTabBar* tabs_;
    QStackedWidget* pages_;
    QRect pageArea_;
};

} // namespace chronavell
