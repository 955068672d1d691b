// The CAMT samples are valid by the ISO 20022 schemas (there is no schema of version 04).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(CamtSchema, ProbenSindGueltig) {
    for (const std::string version : {"02", "08"}) {
        const std::string befehl = "xmllint --noout --nonet --schema ../schemas/camt/camt.053.001." +
                                   version + ".xsd data/bank/camt053_" + version +
                                   ".xml 2>/dev/null";
        EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
    }
}

TEST(CamtSchema, KaputteProbeIstUngueltig) {
    const std::string befehl = "xmllint --noout --nonet --schema ../schemas/camt/camt.053.001.02.xsd "
                               "data/bank/kaputt_betrag.xml 2>/dev/null";
    EXPECT_NE(std::system(befehl.c_str()), 0);
}

} // namespace
