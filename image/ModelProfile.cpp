#include "image/ModelProfile.h"

namespace qav {

const ModelProfile kQav750{
    .programName = "QAV-750",
    .windowTitle = "QAV-750 Pelorix V1.70",
    .aboutTitle = "QAV-750 Pelorix",
    .channelCount = 128,
    .optionColumns = 9,
    .imageSize = 3072,
    .imageArraySize = 3073,
    .fileIdent = "RL-701",
    .dataFileSize = 3120,
    .defaultDataFile = "QAV750.dat",
    .helpFiles = {"QAV750.CHM", "QAV750E.CHM", "QAV750F.CHM"},
    .readProgressMax = 195,
    .writeProgressMax = 192,
    .registryKey = "PX-14G",
};

}  // namespace qav
