#include "app/Utilerias.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

void TiempoEspera(int nSegs)
{
  QElapsedTimer reloj;
  reloj.start();
  QCoreApplication::processEvents();
  for (qint64 nResta = nSegs - reloj.elapsed(); nResta > 0; nResta = nSegs - reloj.elapsed()) {
    QEventLoop espera;
    QTimer::singleShot(std::chrono::milliseconds(nResta), Qt::PreciseTimer, &espera,
                       &QEventLoop::quit);
    // A loop that cannot run (the application is quitting) must not turn into a busy wait.
    if (espera.exec() != 0)
      return;
  }
}

double ConvierteTipoCambio(const QString& sTexto, const QLocale& Regional)
{
  QString sNumero = sTexto.trimmed();
  const QString sDecimal = Regional.decimalPoint();
  if (sDecimal != QStringLiteral("."))
    sNumero.replace(sDecimal, QStringLiteral("."));
  static const QRegularExpression reNumero(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
  if (!reNumero.match(sNumero).hasMatch())
    return 0;
  return QLocale::c().toDouble(sNumero);
}

namespace {

bool EsSeparadorDecimal(QChar Key, const QLocale& Regional)
{
  return Key == u'.' || QString(Key) == Regional.decimalPoint();
}

}  // namespace

void ValidaMoneda(const QLineEdit* Sender, QChar& Key, const QLocale& Regional)
{
  // The test appends at the end whatever the caret position, as the key filter always did.
  if (EsSeparadorDecimal(Key, Regional) && ConvierteTipoCambio(Sender->text() + Key, Regional) == 0)
    Key = QChar::Null;
  const bool bPermitida = Key == u'\b' || Key == u'\r' || EsSeparadorDecimal(Key, Regional) ||
                          (Key >= u'0' && Key <= u'9');
  if (!bPermitida)
    Key = QChar::Null;
}

void ProcesayEspera(const std::function<void()>& Proc, QAbstractButton* bnBoton)
{
  QPointer<QAbstractButton> boton(bnBoton);
  auto Restaura = [&boton] {
    QApplication::restoreOverrideCursor();
    if (boton)
      boton->setEnabled(true);
  };
  QApplication::setOverrideCursor(Qt::WaitCursor);
  bnBoton->setEnabled(false);
  QCoreApplication::processEvents();
  try {
    Proc();
  } catch (...) {
    Restaura();
    throw;
  }
  Restaura();
}
