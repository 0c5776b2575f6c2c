#include <QImage>
#include <QTest>

#include "app/page_view.h"
#include "example_document.h"

using kesto::app::PageView;

class PageViewTest : public QObject {
    Q_OBJECT

  private slots:
    void rendersExample();
};

void PageViewTest::rendersExample() {
    kesto::test::ExampleDocument example;
    PageView view;
    view.resize(1600, 1000);
    view.setDocument(example.document.get());
    const QImage image = view.grab().toImage();
    if (const QByteArray dir = qgetenv("KESTO_SNAPSHOT_DIR"); !dir.isEmpty()) {
        const QString base = QString::fromLocal8Bit(dir) + "/page_view";
        image.save(base + ".png");
        // Zoomed quarters of the cells, to check glyphs and grid alignment pixel by pixel.
        for (int i = 0; i < 4; ++i) {
            image.copy(0, i * 200, 420, 200)
                .scaled(1260, 600, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .save(base + QString("_zoom%1.png").arg(i));
        }
        image.copy(160, 250, 120, 60)
            .scaled(960, 480, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(base + "_detail.png");
    }
    QVERIFY(!image.isNull());
}

QTEST_MAIN(PageViewTest)
#include "page_view_test.moc"
