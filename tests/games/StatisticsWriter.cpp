// Another copy of the program recording finished games into the shared settings file:
//   StatisticsWriter <file> <count>   records count deals in [Klondike] through the
//                                     statistics recorder, every third one won

#include <QString>

#include "games/StatisticsRecorder.h"
#include "shell/Profile.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  TProfile profile(QStringLiteral("Klondike"));
  profile.SetFileName(QString::fromLocal8Bit(argv[1]));
  const int count = QString::fromLatin1(argv[2]).toInt();
  for (int i = 0; i < count; ++i) {
    TDealResult result;
    result.MoveCount = 40;
    result.Threshold = 5;
    result.Won = i % 3 == 2;
    result.Score = result.Won ? 52 : 10 + i % 20;
    result.Now = 45000 + i;
    RecordDeal(profile, result);
  }
  return 0;
}
