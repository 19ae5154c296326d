#include "app/ui/inicia.h"

#include "common/appinfo.h"
#include "common/version.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace ventrix::app {

Inicia::Inicia(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Inicia"));
    setWindowTitle(QString());
    setFocusPolicy(Qt::StrongFocus);
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setPixmap(picture());
    m_picture->setAlignment(Qt::AlignCenter);
    m_hint = new QLabel(QStringLiteral("Haga clic o presione una tecla para continuar"));
    m_hint->setObjectName(QStringLiteral("Lab_Continuar"));
    m_hint->setAlignment(Qt::AlignCenter);
    // Keeps its place while hidden, so the picture stays centred.
    QSizePolicy keep = m_hint->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_hint->setSizePolicy(keep);
    m_hint->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_picture);
    layout->addWidget(m_hint);
    setStyleSheet(QStringLiteral("#Inicia { background: #0f2c4f; } #Lab_Continuar { color: white; }"));
}

QPixmap Inicia::picture()
{
    QPixmap pixmap(560, 320);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 320);
    sky.setColorAt(0, QColor(0x1d, 0x4e, 0x89));
    sky.setColorAt(1, QColor(0x0f, 0x2c, 0x4f));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(QColor(0xe8, 0xc5, 0x47));
    p.drawRect(pixmap.rect().adjusted(6, 6, -7, -7));
    p.setPen(Qt::white);
    QFont title(QStringLiteral("Liberation Sans"), 44, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 50, 560, 80), Qt::AlignCenter, productName());
    QFont line(QStringLiteral("Liberation Sans"), 14);
    p.setFont(line);
    p.drawText(QRect(0, 140, 560, 30), Qt::AlignCenter, QStringLiteral("Impuesto sobre los Ingresos Brutos (I.S.I.B.)"));
    p.drawText(QRect(0, 170, 560, 30), Qt::AlignCenter,
               QStringLiteral("Agencia General Tributaria - Provincia del Valdera"));
    p.setPen(QColor(0xe8, 0xc5, 0x47));
    QFont small(QStringLiteral("Liberation Sans"), 11);
    p.setFont(small);
    p.drawText(QRect(0, 250, 560, 30), Qt::AlignCenter,
               QStringLiteral("Versión ") + QString::fromLatin1(VersionText));
    return pixmap;
}

void Inicia::waitForUser(std::function<void()> then)
{
    if (m_started) {
        then();
        return;
    }
    m_then = std::move(then);
    m_hint->show();
    activateWindow();
    setFocus();
}

void Inicia::proceed()
{
    m_started = true;
    if (!m_then)
        return;
    m_hint->hide();
    std::exchange(m_then, {})();
}

void Inicia::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    proceed();
}

void Inicia::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
    proceed();
}

}
