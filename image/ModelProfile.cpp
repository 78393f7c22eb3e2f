#include "image/ModelProfile.h"

#include "image/ModelLayout.h"
#include "image/TransferTable.h"

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
    .layout = &kLayout750,
    .transfer = &kQav750Transfer,
};

const ModelProfile kQav730{
    .programName = "QAV-730",
    .windowTitle = "QAV-730(1.70)",
    .aboutTitle = "QAV-730 Pelorix",
    .channelCount = 16,
    .optionColumns = 10,
    .imageSize = 2000,
    .imageArraySize = 2001,
    .fileIdent = "RL-730",
    .dataFileSize = 1952,
    .defaultDataFile = "QAV730.dat",
    .helpFiles = {"QAV730.CHM", "QAV730E.CHM", "QAV730F.CHM"},
    .readProgressMax = 122,
    .writeProgressMax = 132,
    .registryKey = "PX-14G",
    .layout = &kLayout730,
    .transfer = &kQav730Transfer,
};

}  // namespace qav
