// Sounds read once, read again when the file changed.
#include "script/sound_shelf.h"

#include "sound_samples.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundShelf, ReadsOnceUntilTheFileChanges) {
  const tavik::testing::TemporaryFolder folder;
  quarnel::SoundShelf shelf;
  ASSERT_TRUE(tavik::testing::writeWaveFile(folder.file("clicks.wav"), *tavik::testing::clickTrack({100}, 500)));

  const quarnel::SoundRead first = shelf.sound(folder.file("clicks.wav"));
  ASSERT_TRUE(first.sound) << first.error.value_or("");
  EXPECT_EQ(shelf.sound(folder.file("clicks.wav")).sound, first.sound);
  EXPECT_EQ(shelf.envelope(first.sound), shelf.envelope(first.sound));

  ASSERT_TRUE(tavik::testing::writeWaveFile(folder.file("clicks.wav"), *tavik::testing::clickTrack({100}, 900)));
  const quarnel::SoundRead changed = shelf.sound(folder.file("clicks.wav"));
  ASSERT_TRUE(changed.sound);
  EXPECT_NEAR(changed.sound->lengthMs(), 900, 1);

  EXPECT_TRUE(shelf.sound(folder.file("gone.wav")).error);
}

} // namespace
