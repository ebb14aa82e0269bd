#pragma once
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// The complete description of a 150 x 150 skin whose hands turn about the face centre. Its
// labels use "MS Sans Serif", a font of every Windows, and "Digital", which the skin carries.
inline constexpr char kSkinXml[] = R"(<?xml version="1.0"?>
<skin>
  <clockface width="150" height="150">face.png</clockface>
  <buttons>buttons.png</buttons>
  <glass>glass.png</glass>
  <pmam>pmam.png</pmam>
  <hours><filename>hours.png</filename><bitmapCenter x="4" y="42.5"/><position x="75" y="75"/></hours>
  <minutes><filename>minutes.png</filename><bitmapCenter x="2.5" y="51"/><position x="75" y="75"/></minutes>
  <seconds><filename>seconds.png</filename><bitmapCenter x="3.5" y="61"/><position x="75" y="76"/></seconds>
  <sounds><chime>sound\chime.mp3</chime></sounds>
  <label id="title" text="clock" x="45" y="40" width="60" height="11" align="center"><font name="MS Sans Serif" size="7" color="clWhite"/></label>
  <label id="weekday" text="WEDNESDAY" x="50" y="52" align="center"><font name="MS Sans Serif" size="7" color="clWhite"/></label>
  <label id="time" text="88:88:88" x="45" y="95" align="center"><font name="Digital" size="14" color="$0096BED3"/></label>
  <label id="timebg" text="88:88:88" x="45" y="95" align="center"><font name="Digital" size="14" color="$003C3434"/></label>
  <label id="date" text="date" x="62" y="112" align="center"><font name="MS Sans Serif" size="7" color="clWhite"/></label>
  <label id="ampm" text="AMPM" x="100" y="95" align="center"><font name="MS Sans Serif" size="7" color="clWhite"/></label>
  <button id="left" x="20" y="65" width="30" height="16"/>
  <button id="right" x="100" y="65" width="30" height="16"/>
</skin>)";

// The description with each edit's first `from` replaced by its `to`, in order; an edit
// whose `from` is not there fails the test, as the case would then test nothing.
inline std::string Edited(std::string xml, const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const size_t at = xml.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) xml.replace(at, from.size(), to);
  }
  return xml;
}
