#include "ado/SesionJet.h"

#include "ado/ErrorADO.h"

namespace ado {

struct TSesionJet::TEstado {};

TSesionJet::TSesionJet(QString sRuta, QString sPassword, const TConexionADO::TProgresoCarga& Progreso)
    : F_sRuta(std::move(sRuta)), F_sPassword(std::move(sPassword)), F_Progreso(Progreso) {}

TSesionJet::~TSesionJet() = default;

sqlite3_stmt* TSesionJet::Prepara(const QString&) {
  throw EErrorADO(CC_ERROR_CONSULTA, QStringLiteral("Sin implementar."));
}

}  // namespace ado
