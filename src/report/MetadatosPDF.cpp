#define POINTERHOLDER_TRANSITION 4
#include "report/MetadatosPDF.h"

#include "base/ErrorSistema.h"

#include <QFile>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <exception>

bool EscribeMetadatosPDF(const QString& sOrigen, const QString& sDestino,
                         const TAjustesPDF& Ajustes, QString& sError)
{
  const QString sTemporal = sDestino + ".info";
  try {
    QPDF pdf;
    // qpdf takes file names in UTF-8 on every system (on Windows too).
    pdf.processFile(sOrigen.toUtf8().constData());
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
      info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
      trailer.replaceKey("/Info", info);
    }
    const auto texto = [](const QString& s) {
      return QPDFObjectHandle::newUnicodeString(s.toStdString());
    };
    info.replaceKey("/Title", texto(Ajustes.sTitulo));
    info.replaceKey("/Subject", texto(Ajustes.sAsunto));
    info.replaceKey("/Author", texto(Ajustes.sAutor));
    QPDFWriter escritor(pdf, sTemporal.toUtf8().constData());
    escritor.write();
  } catch (const std::exception& e) {
    QFile::remove(sTemporal);
    sError = ExplicaErrorSistema(QString::fromLocal8Bit(e.what()));
    return false;
  }
  QFile::remove(sDestino);  // overwriting is not asked about
  if (!QFile::rename(sTemporal, sDestino)) {
    QFile::remove(sTemporal);
    sError = "no se pudo reemplazar el archivo.";
    return false;
  }
  return true;
}
