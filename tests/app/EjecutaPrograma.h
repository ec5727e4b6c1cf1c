#pragma once
// The real program run as a user runs it, without a display.
#include <QProcess>
#include <QString>
#include <QStringList>

struct TEjecucion {
  int nSalida = -1;
  QString sError;
  QString sSalida;
};

// Prefijo: a program that starts ours (PrefijoSinPermisos.h: as another user).
inline TEjecucion Ejecuta(const QStringList& Argumentos, const QStringList& Prefijo = {})
{
  QProcess Programa;
  QProcessEnvironment Entorno = QProcessEnvironment::systemEnvironment();
  Entorno.insert("LC_ALL", "C.UTF-8");
  Entorno.remove("DISPLAY");
  Entorno.remove("QT_QPA_PLATFORM");
  Programa.setProcessEnvironment(Entorno);
  const QStringList Orden = Prefijo + QStringList{QStringLiteral(ENCUESTA_BUILD_DIR "/encuesta-gafi")};
  Programa.start(Orden.first(), Orden.mid(1) + Argumentos);
  Programa.waitForFinished(300000);
  return {Programa.exitCode(), QString::fromUtf8(Programa.readAllStandardError()),
          QString::fromUtf8(Programa.readAllStandardOutput())};
}
