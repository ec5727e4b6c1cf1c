// Every text the user can see in Mexican Spanish: ours, and Qt's own through our translator.
#include "app/TraduccionesQt.h"
#include "app/VentanaPrueba.h"

#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QtEndian>

namespace {

// Words a Mexican user would not write.
const QRegularExpression CC_ESPANA(
    QStringLiteral("\\b(ficheros?|ordenador(es)?|apaisad[oa]s?|puls(ar|e|a|ad|ado|ando)|"
                   "vale|coger|m[oó]vil(es)?|vosotros|vuestr[oa]s?|\\w+[áé]is)\\b"),
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);

QString PalabraDeEspana(QString sTexto)
{
  sTexto.remove(u'&');  // accelerators inside words ("fic&heros")
  return CC_ESPANA.match(sTexto).captured();
}

struct TMensajeQm {
  QByteArray sContexto, sTexto, sAclaracion;
};

// The messages of a Qt translation file (.qm): the block of messages holds tagged
// fields; a message ends with tag 1.
QList<TMensajeQm> LeeQm(const QString& sRuta)
{
  QFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::ReadOnly))
    return {};
  const QByteArray d = Archivo.readAll();
  const auto Entero = [&d](qsizetype p) {
    return p + 4 <= d.size() ? qFromBigEndian<quint32>(d.constData() + p) : quint32(0);
  };
  QByteArray Mensajes;
  for (qsizetype p = 16; p + 5 <= d.size();) {
    const quint32 nLargo = Entero(p + 1);
    if (quint8(d[p]) == 0x69)
      Mensajes = d.mid(p + 5, nLargo);
    p += 5 + qsizetype(nLargo);
  }
  QList<TMensajeQm> Lista;
  TMensajeQm Actual;
  for (qsizetype q = 0; q < Mensajes.size();) {
    const quint8 nEtiqueta = quint8(Mensajes[q++]);
    if (nEtiqueta == 1) {
      Lista << Actual;
      Actual = {};
      continue;
    }
    if (nEtiqueta == 5) {  // obsolete hash
      q += 4;
      continue;
    }
    const quint32 nLargo = q + 4 <= Mensajes.size()
                               ? qFromBigEndian<quint32>(Mensajes.constData() + q)
                               : quint32(0);
    q += 4;
    if (nLargo == 0xffffffff)
      continue;
    const QByteArray sCampo = Mensajes.mid(q, nLargo);
    q += nLargo;
    if (nEtiqueta == 6)
      Actual.sTexto = sCampo;
    else if (nEtiqueta == 7)
      Actual.sContexto = sCampo;
    else if (nEtiqueta == 8)
      Actual.sAclaracion = sCampo;
  }
  return Lista;
}

using EspanolDeMexico = VentanaPrueba;

TEST_F(EspanolDeMexico, PalabrasDeEspanaCambianASuFormaMexicana)
{
  const std::pair<const char*, const char*> Casos[] = {
      {"El fichero %1 ya existe.\n¿Desea reemplazarlo?", "El archivo %1 ya existe.\n¿Desea reemplazarlo?"},
      {"Ficheros de tipo:", "Archivos de tipo:"},
      {"&Fichero de salida:", "&Archivo de salida:"},
      {"Apaisado invertido", "Horizontal invertido"},
      {"Pulse «Aceptar»", "Presione «Aceptar»"},
      {"El ficherito y los archivos", "El ficherito y los archivos"},
  };
  for (const auto& [sEspana, sMexico] : Casos)
    EXPECT_EQ(EnEspanolDeMexico(QString::fromUtf8(sEspana)), QString::fromUtf8(sMexico)) << sEspana;
}

// What the file, print and page dialogs and the message boxes show.
TEST_F(EspanolDeMexico, DialogosDeQtDicenArchivoAceptarCancelar)
{
  const std::tuple<const char*, const char*, const char*> Casos[] = {
      {"QFileDialog", "File &name:", "&Nombre de archivo:"},
      {"QFileDialog", "Files of type:", "Archivos de tipo:"},
      {"QFileDialog", "All Files (*)", "Todos los archivos (*)"},
      {"QFileDialog", "Show &hidden files", "Mostrar los arc&hivos ocultos"},
      {"QFileDialog", "Go to the parent directory", "Ir a la carpeta superior"},
      {"QPrintDialog", "Print To File ...", "Imprimir a archivo..."},
      {"QPrintWidget", "Output &file:", "&Archivo de salida:"},
      {"QPageSetupWidget", "Landscape", "Horizontal"},
      {"QPlatformTheme", "OK", "Aceptar"},
      {"QPlatformTheme", "Cancel", "Cancelar"},
      {"QPlatformTheme", "&Yes", "&Sí"},
      {"QMessageBox", "OK", "Aceptar"},
  };
  for (const auto& [sContexto, sTexto, sEspanol] : Casos)
    EXPECT_EQ(QCoreApplication::translate(sContexto, sTexto), QString::fromUtf8(sEspanol))
        << sContexto << " " << sTexto;
}

TEST_F(EspanolDeMexico, NingunaTraduccionDeQtUsaPalabrasDeEspana)
{
  const QList<TMensajeQm> Mensajes =
      LeeQm(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_es.qm"));
  ASSERT_GT(Mensajes.size(), 1000);
  int nEspana = 0;
  for (const TMensajeQm& m : Mensajes) {
    for (const int n : {-1, 1, 2}) {
      const QString sTraducido =
          QCoreApplication::translate(m.sContexto.constData(), m.sTexto.constData(),
                                      m.sAclaracion.isEmpty() ? nullptr : m.sAclaracion.constData(), n);
      const QString sPalabra = PalabraDeEspana(sTraducido);
      if (!sPalabra.isEmpty() && ++nEspana <= 10)
        ADD_FAILURE() << m.sContexto.constData() << " \"" << m.sTexto.constData() << "\": "
                      << sTraducido.toStdString() << " (" << sPalabra.toStdString() << ")";
    }
  }
  EXPECT_EQ(nEspana, 0);
}

// Our own texts: the sources and the data they carry.
TEST_F(EspanolDeMexico, NuestrosTextosNoUsanPalabrasDeEspana)
{
  const QString sFuentes = QStringLiteral(ENCUESTA_TEST_DATA "/../../src");
  int nArchivos = 0;
  QDirIterator Archivos(sFuentes, QDir::Files, QDirIterator::Subdirectories);
  while (Archivos.hasNext()) {
    QFile Archivo(Archivos.next());
    // The translator names Spain's words to replace them.
    if (!QStringList{"cpp", "h", "csv", "json", "txt"}.contains(QFileInfo(Archivo).suffix()) ||
        QFileInfo(Archivo).baseName() == QStringLiteral("TraduccionesQt"))
      continue;
    ASSERT_TRUE(Archivo.open(QIODevice::ReadOnly));
    ++nArchivos;
    const QStringList Lineas = QString::fromUtf8(Archivo.readAll()).split(u'\n');
    for (int i = 0; i < Lineas.size(); ++i) {
      const QString sPalabra = PalabraDeEspana(Lineas[i]);
      EXPECT_TRUE(sPalabra.isEmpty()) << Archivo.fileName().toStdString() << ":" << i + 1 << ": "
                                      << sPalabra.toStdString();
    }
  }
  EXPECT_GT(nArchivos, 50);
}

}  // namespace
