#include "ado/CabeceraJet.h"

#include "ado/ErrorADO.h"
#include "base/ErrorSistema.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace ado {
namespace {

constexpr int CC_INICIO_BLOQUE = 0x18;   // RC4-masked block of the header
constexpr int CC_LARGO_BLOQUE = 128;
constexpr int CC_PASSWORD = 0x42;        // 40 bytes, UCS-2, masked with the creation date
constexpr int CC_LARGO_PASSWORD = 40;
constexpr int CC_FECHA_CREACION = 0x72;  // double
constexpr int CC_VERSION = 0x14;
constexpr int CC_PAGINA_JET3 = 2048;
constexpr int CC_PAGINA_JET4 = 4096;

void Rc4(const unsigned char* pClave, int nClave, unsigned char* pDatos, int nLargo) {
  std::array<unsigned char, 256> s;
  for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + pClave[i % nClave]) & 0xFF;
    std::swap(s[i], s[j]);
  }
  for (int n = 0, i = 0, j = 0; n < nLargo; ++n) {
    i = (i + 1) & 0xFF;
    j = (j + s[i]) & 0xFF;
    std::swap(s[i], s[j]);
    pDatos[n] ^= s[(s[i] + s[j]) & 0xFF];
  }
}

[[noreturn]] void NoEsAccess(const QString& sRuta) {
  throw EErrorADO(CC_ERROR_ARCHIVO,
                  QStringLiteral("El archivo \"%1\" no es una base de datos de Access (Jet 3 o Jet 4).").arg(sRuta));
}

}  // namespace

QString PasswordJet4(const unsigned char* pCabecera, int nLargo) {
  if (nLargo < CC_INICIO_BLOQUE + CC_LARGO_BLOQUE) return {};
  std::array<unsigned char, CC_LARGO_BLOQUE> bloque;
  std::memcpy(bloque.data(), pCabecera + CC_INICIO_BLOQUE, CC_LARGO_BLOQUE);
  static const unsigned char CC_CLAVE[] = {0xC7, 0xDA, 0x39, 0x6B};
  Rc4(CC_CLAVE, 4, bloque.data(), CC_LARGO_BLOQUE);
  const double dCreacion = qFromLittleEndian<double>(bloque.data() + CC_FECHA_CREACION - CC_INICIO_BLOQUE);
  const double dDia = std::isfinite(dCreacion) ? std::floor(dCreacion) : 0.0;
  const quint32 nMascara = static_cast<quint32>(static_cast<qint64>(std::clamp(dDia, -2147483648.0, 4294967295.0)));
  unsigned char mascara[4];
  qToLittleEndian(nMascara, mascara);
  QString sPassword;
  const unsigned char* pPassword = bloque.data() + CC_PASSWORD - CC_INICIO_BLOQUE;
  for (int i = 0; i + 1 < CC_LARGO_PASSWORD; i += 2) {
    const char16_t c = char16_t((pPassword[i] ^ mascara[i % 4]) | ((pPassword[i + 1] ^ mascara[(i + 1) % 4]) << 8));
    if (c == 0) break;
    sPassword += QChar(c);
  }
  return sPassword;
}

TVersionJet VerificaArchivoJet(const QString& sRuta, const QString& sPassword) {
  const QFileInfo Info(sRuta);
  if (!Info.exists() || !Info.isFile())
    throw EErrorADO(CC_ERROR_CONEXION, QStringLiteral("No existe el archivo de base de datos \"%1\".").arg(sRuta));
  QFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::ReadOnly))
    throw EErrorADO(CC_ERROR_CONEXION, QStringLiteral("No se puede leer el archivo de base de datos \"%1\": %2.")
                                           .arg(sRuta, ExplicaErrorSistema(Archivo.errorString())));
  const QByteArray cabecera = Archivo.read(CC_PAGINA_JET4);
  const auto* p = reinterpret_cast<const unsigned char*>(cabecera.constData());
  if (cabecera.size() < CC_PAGINA_JET3 || p[0] != 0 || std::memcmp(p + 4, "Standard Jet DB", 15) != 0)
    NoEsAccess(sRuta);
  const unsigned char nVersion = p[CC_VERSION];
  if (nVersion > 1)
    throw EErrorADO(CC_ERROR_ARCHIVO,
                    QStringLiteral("El archivo \"%1\" tiene un formato de Access posterior a Jet 4 que no se puede leer aquí.")
                        .arg(sRuta));
  const int nPagina = nVersion == 0 ? CC_PAGINA_JET3 : CC_PAGINA_JET4;
  if (Archivo.size() < 3 * nPagina || Archivo.size() % nPagina != 0)
    throw EErrorADO(CC_ERROR_ARCHIVO, QStringLiteral("El archivo de base de datos \"%1\" está incompleto o dañado.").arg(sRuta));
  if (nVersion == 0) return TVersionJet::Jet3;
  const QString sGuardada = PasswordJet4(p, int(cabecera.size()));
  if (!sGuardada.isEmpty() && sGuardada != sPassword)
    throw EErrorADO(CC_ERROR_CONEXION,
                    QStringLiteral("No se puede abrir la base de datos \"%1\": contraseña no válida.").arg(sRuta));
  return TVersionJet::Jet4;
}

}  // namespace ado
