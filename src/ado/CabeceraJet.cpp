#include "ado/CabeceraJet.h"

#include "ado/ErrorADO.h"
#include "ado/Rc4.h"
#include "base/ErrorSistema.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstring>

namespace ado {
namespace {

constexpr int CC_INICIO_BLOQUE = 0x18;  // RC4-masked block of the header
constexpr int CC_LARGO_BLOQUE_JET4 = 128;
constexpr int CC_LARGO_BLOQUE_JET3 = 126;
constexpr int CC_CODIGO_PAGINA = 0x3C;
constexpr int CC_CLAVE = 0x3E;
constexpr int CC_PASSWORD = 0x42;        // 40 bytes, UCS-2, masked with the creation date
constexpr int CC_LARGO_PASSWORD = 40;
constexpr int CC_FECHA_CREACION = 0x72;  // double
constexpr int CC_VERSION = 0x14;
constexpr int CC_PAGINA_JET3 = 2048;
constexpr int CC_PAGINA_JET4 = 4096;
constexpr double CC_ULTIMO_DIA = 2958465;  // 9999-12-31

[[noreturn]] void NoEsAccess(const QString& sRuta) {
  throw EErrorADO(CC_ERROR_ARCHIVO,
                  QStringLiteral("El archivo \"%1\" no es una base de datos de Access (Jet 3 o Jet 4).").arg(sRuta));
}

// A character someone can type: no controls, surrogates, private use or non-characters.
bool CaracterDePassword(char16_t c) {
  return c >= 0x20 && !(c >= 0x7F && c < 0xA0) && !(c >= 0xD800 && c < 0xF900) && c < 0xFFF0;
}

// The password area unmasked: text up to the first U+0000, then zeros only. False for
// bytes Access never writes (a damaged date gives a wrong mask, hence garbage).
bool PasswordJet4(const unsigned char* pBloque, QString& sPassword) {
  const double dCreacion = qFromLittleEndian<double>(pBloque + CC_FECHA_CREACION - CC_INICIO_BLOQUE);
  if (!std::isfinite(dCreacion) || dCreacion <= 0 || dCreacion > CC_ULTIMO_DIA + 1) return false;
  unsigned char mascara[4];
  qToLittleEndian(static_cast<quint32>(std::floor(dCreacion)), mascara);
  const unsigned char* pPassword = pBloque + CC_PASSWORD - CC_INICIO_BLOQUE;
  bool bFin = false;
  for (int i = 0; i < CC_LARGO_PASSWORD; i += 2) {
    const char16_t c = char16_t((pPassword[i] ^ mascara[i % 4]) | ((pPassword[i + 1] ^ mascara[(i + 1) % 4]) << 8));
    if (c == 0) bFin = true;
    else if (bFin || !CaracterDePassword(c)) return false;
    else sPassword += QChar(c);
  }
  return true;
}

}  // namespace

TCabeceraJet LeeCabeceraJet(const unsigned char* p, qint64 nLeidos, qint64 nTamArchivo, const QString& sRuta) {
  if (nLeidos < CC_PAGINA_JET3 || p[0] != 0 || std::memcmp(p + 4, "Standard Jet DB", 15) != 0) NoEsAccess(sRuta);
  const unsigned char nVersion = p[CC_VERSION];
  if (nVersion > 1)
    throw EErrorADO(CC_ERROR_ARCHIVO,
                    QStringLiteral("El archivo \"%1\" tiene un formato de Access posterior a Jet 4 que no se puede leer aquí.")
                        .arg(sRuta));
  TCabeceraJet Cabecera;
  Cabecera.eVersion = nVersion == 0 ? TVersionJet::Jet3 : TVersionJet::Jet4;
  Cabecera.nTamPagina = nVersion == 0 ? CC_PAGINA_JET3 : CC_PAGINA_JET4;
  if (nLeidos < Cabecera.nTamPagina || nTamArchivo < 3 * Cabecera.nTamPagina || nTamArchivo % Cabecera.nTamPagina != 0)
    throw EErrorADO(CC_ERROR_ARCHIVO, QStringLiteral("El archivo de base de datos \"%1\" está incompleto o dañado.").arg(sRuta));
  std::array<unsigned char, CC_LARGO_BLOQUE_JET4> bloque;
  std::memcpy(bloque.data(), p + CC_INICIO_BLOQUE, bloque.size());
  static const unsigned char CC_CLAVE_CABECERA[] = {0xC7, 0xDA, 0x39, 0x6B};
  Rc4(CC_CLAVE_CABECERA, 4, bloque.data(), nVersion == 0 ? CC_LARGO_BLOQUE_JET3 : CC_LARGO_BLOQUE_JET4);
  Cabecera.nCodigoPagina = qFromLittleEndian<quint16>(bloque.data() + CC_CODIGO_PAGINA - CC_INICIO_BLOQUE);
  Cabecera.nClave = qFromLittleEndian<quint32>(bloque.data() + CC_CLAVE - CC_INICIO_BLOQUE);
  if (Cabecera.eVersion == TVersionJet::Jet4 && !PasswordJet4(bloque.data(), Cabecera.sPassword))
    throw ErrorDanada(sRuta, QStringLiteral("cabecera del archivo"));
  return Cabecera;
}

TVersionJet VerificaArchivoJet(const QString& sRuta, const QString& sPassword) {
  const QFileInfo Info(sRuta);
  if (!Info.exists() || !Info.isFile())
    throw EErrorADO(CC_ERROR_CONEXION, QStringLiteral("No existe el archivo de base de datos \"%1\".").arg(sRuta));
  QFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::ReadOnly))
    throw EErrorADO(CC_ERROR_CONEXION, QStringLiteral("No se puede leer el archivo de base de datos \"%1\": %2.")
                                           .arg(sRuta, ExplicaErrorSistema(Archivo.errorString())));
  const QByteArray Pagina = Archivo.read(CC_PAGINA_JET4);
  const TCabeceraJet Cabecera = LeeCabeceraJet(reinterpret_cast<const unsigned char*>(Pagina.constData()),
                                               Pagina.size(), Archivo.size(), sRuta);
  if (Cabecera.eVersion == TVersionJet::Jet4 && !Cabecera.sPassword.isEmpty() && Cabecera.sPassword != sPassword)
    throw EErrorADO(CC_ERROR_CONEXION,
                    QStringLiteral("No se puede abrir la base de datos \"%1\": contraseña no válida.").arg(sRuta));
  return Cabecera.eVersion;
}

}  // namespace ado
