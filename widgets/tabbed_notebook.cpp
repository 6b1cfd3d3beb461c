#include "widgets/tabbed_notebook.h"

#include "widgets/narrow_tab_style.h"

#include <QPainter>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOption>
#include <QTabBar>

#include <utility>

namespace chronavell {

TabbedNotebook::TabbedNotebook(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), pages_(new QStackedWidget(this))
{
    tabs_->setObjectName(QStringLiteral("Tabs"));
    auto* style = new NarrowTabStyle;
    style->setParent(tabs_);
    tabs_->setStyle(style);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    tabs_->setElideMode(Qt::ElideNone);
    pages_->setObjectName(QStringLiteral("Pages"));
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);

    // The keys of any tabbed window, wherever the focus is in it, round the row of tabs.
    const std::pair<QKeySequence, int> steps[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [keys, step] : steps) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            if (count() > 0) {
                setCurrentIndex((currentIndex() + step + count()) % count());
            }
        });
    }
}

void TabbedNotebook::setPageArea(const QRect& area)
{
    pageArea_ = area;
    layoutChildren();
    update();
}

void TabbedNotebook::addPage(QWidget* page, const QString& caption)
{
    // Hidden pages get their size now, not only when first shown: they are drawn into and
    // measured before that.
    page->setGeometry(QRect(QPoint(0, 0), pageArea_.size()));
    pages_->addWidget(page);
    tabs_->addTab(caption);
}

int TabbedNotebook::count() const
{
    return pages_->count();
}

QWidget* TabbedNotebook::page(int index) const
{
    return pages_->widget(index);
}

int TabbedNotebook::currentIndex() const
{
    return tabs_->currentIndex();
}

void TabbedNotebook::setCurrentIndex(int index)
{
    tabs_->setCurrentIndex(index);
}

void TabbedNotebook::layoutChildren()
{
    pages_->setGeometry(pageArea_);
    // The tabs stand on the frame's top edge, a little in from the left.
    const int tabHeight = tabs_->sizeHint().height();
    const int frameTop = pageArea_.top() - 3;
    tabs_->setGeometry(2, frameTop - tabHeight + 1, width() - 4, tabHeight);
}

void TabbedNotebook::resizeEvent(QResizeEvent* /*event*/)
{
    layoutChildren();
}

void TabbedNotebook::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, pageArea_.top() - 3, width(), height() - pageArea_.top() + 3);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabs_->sizeHint();
    frame.tabBarRect = tabs_->geometry();
    frame.selectedTabRect = tabs_->tabRect(tabs_->currentIndex()).translated(tabs_->pos());
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace chronavell
