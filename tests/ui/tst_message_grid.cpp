#include "core/log/MessageLog.h"
#include "ui/widgets/MessageGrid.h"

#include <QAccessible>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

class TestMessageGrid : public QObject
{
    Q_OBJECT

private slots:
    void rowsCellsAndDecoration()
    {
        MessageLog log;
        MessageGrid grid(log);
        grid.gridModel()->setHeaders({"", "Received", "From"});
        QCOMPARE(grid.rowCount(), 2); // the header row and one empty data row
        QCOMPARE(grid.cell(1, 0), QString("Received"));

        LogRow::Cells first, second;
        first[size_t(LogColumn::From)] = "<b>274111001</b>";
        second[size_t(LogColumn::From)] = "269070001";
        log.append(LogRow(first));
        log.append(LogRow(second));
        log.markHandled(1, {MarkerShape::LeftArrow, {0, 255, 0}, {0, 128, 0}}, {240, 240, 224});
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(grid.cell(2, 1), QString("<b>274111001</b>"));
        QCOMPARE(grid.cell(2, 2), QString("269070001"));
        QCOMPARE(grid.gridModel()->marker(2).shape, MarkerShape::LeftArrow);
        QCOMPARE(grid.gridModel()->rowColour(2), QColor(240, 240, 224));
        QCOMPARE(grid.gridModel()->marker(1).shape, MarkerShape::None);
        // Out-of-range rows are ignored, not a crash.
        log.markHandled(99, {}, {});
        log.markHandled(-1, {}, {});
        QCOMPARE(grid.cell(2, 99), QString());

        // The marker is described in words for screen readers and tooltips.
        const QModelIndex marker = grid.gridModel()->index(1, 0);
        QCOMPARE(marker.data(Qt::AccessibleTextRole).toString(), QString("left arrow, #00ff00 on #008000"));
        QCOMPARE(grid.gridModel()->index(1, 2).data(Qt::AccessibleTextRole).toString(), QString("269070001"));
    }

    void zeroWidthHidesAColumn()
    {
        MessageLog log;
        MessageGrid grid(log);
        grid.setColWidth(12, 0);
        grid.setColWidth(1, 60);
        QVERIFY(grid.isColumnHidden(12));
        QCOMPARE(grid.colWidth(12), 0);
        QCOMPARE(grid.columnWidth(1), 60);
    }

    void onlyMousePressesRaiseClickCell()
    {
        MessageLog log;
        MessageGrid grid(log);
        grid.resize(600, 300);
        for (int r = 0; r < 6; ++r)
            log.append(LogRow());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy clicks(&grid, &MessageGrid::clickCell);

        const QRect cell = grid.visualRect(grid.gridModel()->index(2, 3)); // grid row 3
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 3);
        QCOMPARE(clicks.at(0).at(1).toInt(), 3);
        QCOMPARE(grid.currentGridRow(), 3);

        const QHeaderView *header = grid.horizontalHeader();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(clicks.at(1).at(0).toInt(), 0);

        QTest::mouseRelease(header->viewport(), Qt::LeftButton);
        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_Down);
        grid.setCurrentGridRow(5);
        QCOMPARE(grid.currentGridRow(), 5);
        QCOMPARE(clicks.size(), 2);
    }
};

QTEST_MAIN(TestMessageGrid)
#include "tst_message_grid.moc"
