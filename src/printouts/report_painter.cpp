#include "printouts/report_painter.h"

#include "data/error.h"
#include "printouts/text_fit.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace vexa {

namespace {

QFont czcionka(const Czcionka& c, QPainter& painter, double pikseliNaMm) {
    // A point is 25.4 / 72 mm; the size is given in the device's own points so that the text
    // comes out that many millimetres high whatever the device's resolution.
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
    return FontRaportu(c, c.punkty * 25.4 * pikseliNaMm / dpi);
}

QRectF naPiksele(const QRectF& mm, double k) {
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

} // namespace

void RysujStrone(QPainter& painter, const StronaRaportu& s, double k) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Ramka& r : s.ramki) {
        if (r.wypelnienie.isValid()) painter.fillRect(naPiksele(r.pole, k), r.wypelnienie);
        if (r.grubosc > 0) {
            painter.setPen(QPen(Qt::black, r.grubosc * k));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(naPiksele(r.pole, k));
        }
    }
    for (const Linia& l : s.linie) {
        painter.setPen(QPen(Qt::black, l.grubosc * k));
        painter.drawLine(l.od * k, l.do_ * k);
    }
    for (const Obraz& o : s.obrazy)
        painter.drawImage(naPiksele(o.pole, k), o.obraz);
    for (const Tekst& tekst : s.teksty) {
        // A text wider than its box is drawn smaller, or broken into lines, never cut.
        const Tekst t = DopasowanyTekst(tekst);
        painter.setFont(czcionka(t.czcionka, painter, k));
        painter.setPen(t.kolor);
        const QRectF box = naPiksele(t.pole, k);
        const int align =
            (t.zawijaj ? Qt::AlignTop : Qt::AlignVCenter) |
            (t.wyrownanie == Wyrownanie::Prawo    ? Qt::AlignRight
                                : t.wyrownanie == Wyrownanie::Srodek ? Qt::AlignHCenter
                                                                     : Qt::AlignLeft);
        painter.save();
        painter.setClipRect(box);
        painter.drawText(box, align, t.tresc);
        painter.restore();
    }
    painter.restore();
}

bool DrukujStrony(const Raport& raport, QPagedPaintDevice& urzadzenie, int od, int do_,
                  const PostepDrukowania& postep) {
    urzadzenie.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), raport.poziomo ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter(&urzadzenie);
    if (!painter.isActive()) throw VexaError(QStringLiteral("Nie można rozpocząć drukowania."));
    const double k = urzadzenie.logicalDpiX() / 25.4;
    const int first = qMax(1, od);
    const int last = qMin(raport.iloscStron(), do_);
    for (int i = first; i <= last; ++i) {
        if (i > first) urzadzenie.newPage();
        RysujStrone(painter, raport.strony[i - 1], k);
        if (postep && !postep(i - first + 1, last - first + 1)) return false;
    }
    return true;
}

bool ZapiszPdf(const Raport& raport, const QString& plik, const PostepDrukowania& postep) {
    const QString nazwa = QDir::toNativeSeparators(plik);
    if (!QDir().mkpath(QFileInfo(plik).absolutePath()))
        throw VexaError(QStringLiteral("Nie można zapisać pliku:\r") + nazwa);
    QSaveFile file(plik);
    if (!file.open(QIODevice::WriteOnly))
        throw VexaError(QStringLiteral("Nie można zapisać pliku:\r") + nazwa + "\r\r" +
                        file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(600);
        pdf.setTitle(raport.tytulZadania);
        pdf.setCreator(QStringLiteral("VEXA-F"));
        if (!DrukujStrony(raport, pdf, 1, raport.iloscStron(), postep)) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit())
        throw VexaError(QStringLiteral("Nie można zapisać pliku:\r") + nazwa + "\r\r" +
                        file.errorString());
    return true;
}

} // namespace vexa
