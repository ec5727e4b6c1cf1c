#include "MedicionProceso.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// Writing "5" to clear_refs resets the kernel's peak resident-set counter (VmHWM).
void ReiniciaPico()
{
  QFile Archivo(QStringLiteral("/proc/self/clear_refs"));
  if (Archivo.open(QIODevice::WriteOnly))
    Archivo.write("5");
}

}  // namespace

TMedicion::TMedicion()
{
  ReiniciaPico();
  F_reloj.start();
}

double TMedicion::Segundos() const { return F_reloj.nsecsElapsed() / 1e9; }

double TMedicion::PicoMB() const
{
  QFile Archivo(QStringLiteral("/proc/self/status"));
  if (!Archivo.open(QIODevice::ReadOnly))
    return 0;
  const QString sEstado = QString::fromLatin1(Archivo.readAll());
  const auto Coincide = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+) kB")).match(sEstado);
  return Coincide.hasMatch() ? Coincide.captured(1).toDouble() / 1024.0 : 0;
}
