#pragma once
// The pictures of the secondary windows, compiled in under ":/windowart/<name>.png" (".gif"
// for the animations): the language flags, the ribbon "GCap300", the scroll "GSvitok", and
// "GTopTen", "GClubF", "GClubG".

namespace zendral {

// Makes sure the pictures are registered; safe to call more than once.
void InitWindowArtLibrary();

}  // namespace zendral
