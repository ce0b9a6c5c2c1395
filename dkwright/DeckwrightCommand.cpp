#include "DeckwrightCommand.h"

#include "CardBox.h"
#include "DeckBuilder.h"
#include "DeckError.h"
#include "DeckInfo.h"
#include "FaceArguments.h"
#include "PairSheet.h"

#include <QCoreApplication>

#include <exception>
#include <new>

namespace {

[[noreturn]] void Fail(const QString& message) {
  throw EDeckError(message.toStdString());
}

struct TBuildCommand {
  QString Output;
  QString PairSheet;
  TDeckRequest Request;
  QStringList FaceArguments;
};

QString ValueOf(const QStringList& args, qsizetype& i) {
  if (i + 1 >= args.size())
    Fail(QCoreApplication::translate("Deckwright", "The option %1 needs a value.").arg(args[i]));
  return args[++i];
}

// Reads one option at args[i] into command; false when args[i] is not an option.
bool ReadOption(const QStringList& args, qsizetype& i, TBuildCommand& command) {
  const QString& option = args[i];
  TDeckRequest& request = command.Request;
  if (option == QLatin1String("-o") || option == QLatin1String("--output"))
    command.Output = ValueOf(args, i);
  else if (option == QLatin1String("--pairs"))
    command.PairSheet = ValueOf(args, i);
  else if (option == QLatin1String("--title"))
    request.Title = ValueOf(args, i);
  else if (option == QLatin1String("--link"))
    request.Link = ValueOf(args, i);
  else if (option == QLatin1String("--size")) {
    const QString text = ValueOf(args, i);
    request.CardBox = ParseCardBox(text);
    if (request.CardBox.isEmpty())
      Fail(QCoreApplication::translate("Deckwright",
                                       "The card box \"%1\" is not WIDTHxHEIGHT (1 to 2048 each).")
               .arg(text));
  } else if (option == QLatin1String("--advert"))
    request.Advert = FileSource(ValueOf(args, i));
  else if (option == QLatin1String("--back"))
    request.Back = FileSource(ValueOf(args, i));
  else if (option == QLatin1String("--compress")) {
    request.FaceStorage = TEntryStorage::Compressed;
    request.PictureStorage = TEntryStorage::Compressed;
  } else if (option == QLatin1String("--keep-size"))
    request.KeepSize = true;
  else
    return false;
  return true;
}

TBuildCommand ParseBuild(const QStringList& args) {
  TBuildCommand command;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (!optionsEnded && args[i] == QLatin1String("--"))
      optionsEnded = true;
    else if (optionsEnded || !args[i].startsWith(QLatin1Char('-')) || args[i] == QLatin1String("-"))
      command.FaceArguments.push_back(args[i]);
    else if (!ReadOption(args, i, command))
      Fail(QCoreApplication::translate("Deckwright", "Unknown option %1 (see dkwright help).")
               .arg(args[i]));
  }
  if (command.Output.isEmpty())
    Fail(QCoreApplication::translate("Deckwright", "Name the card set to write with -o FILE.crd."));
  if (command.Request.Title.isEmpty())
    Fail(QCoreApplication::translate("Deckwright", "Give the card set a title with --title."));
  if (!command.PairSheet.isEmpty() && !command.FaceArguments.isEmpty())
    Fail(QCoreApplication::translate("Deckwright",
                                     "A set made with --pairs takes its faces from the table "
                                     "alone; %1 is one too many.")
             .arg(command.FaceArguments.front()));
  return command;
}

int Build(const QStringList& args, QTextStream& out) {
  TBuildCommand command = ParseBuild(args);
  if (command.PairSheet.isEmpty()) {
    command.Request.Faces = ExpandFaceArguments(command.FaceArguments);
  } else {
    TPairSheet sheet = ReadPairSheet(command.PairSheet);
    command.Request.Pairs = std::move(sheet.Pairs);
    command.Request.Languages = std::move(sheet.Languages);
  }
  const QByteArray bytes = BuildDeck(command.Request);
  SaveDeck(bytes, command.Output);
  const qsizetype faces = command.Request.Pairs.isEmpty() ? command.Request.Faces.size()
                                                          : 2 * command.Request.Pairs.size();
  out << QCoreApplication::translate("Deckwright", "Wrote %1: %n faces, %2 bytes.", nullptr,
                                     int(faces))
             .arg(command.Output)
             .arg(bytes.size())
      << "\n";
  return 0;
}

int Info(const QStringList& args, QTextStream& out) {
  if (args.size() != 1)
    Fail(QCoreApplication::translate("Deckwright", "Name one card set: dkwright info FILE.crd"));
  out << DescribeDeck(args.front());
  return 0;
}

int Dispatch(const QStringList& arguments, QTextStream& out) {
  const QString command = arguments.value(0);
  const QStringList rest = arguments.mid(1);
  if (command == QLatin1String("build"))
    return Build(rest, out);
  if (command == QLatin1String("info"))
    return Info(rest, out);
  if (command == QLatin1String("help") || command == QLatin1String("--help") ||
      command == QLatin1String("-h")) {
    out << DeckwrightUsage();
    return 0;
  }
  Fail(command.isEmpty()
           ? QCoreApplication::translate("Deckwright", "Say what to do: dkwright build or dkwright "
                                                       "info (dkwright help tells more).")
           : QCoreApplication::translate("Deckwright", "Unknown command %1 (see dkwright help).")
                 .arg(command));
}

QString PairsUsage() {
  return QCoreApplication::translate(
      "Deckwright",
      "\n"
      "  dkwright build -o OUT.crd --title TITLE [options] --pairs TABLE.tsv\n"
      "\n"
      "makes a set whose pairs are two different cards from a UTF-8 table instead of FACE\n"
      "arguments: one pair a line, LEFT<TAB>RIGHT; empty lines and lines starting with #\n"
      "are passed over. A side is\n"
      "  PICTURE          a GIF, JPEG or BMP file (all pictures share one format)\n"
      "  CLIP.wav         a sound: PCM WAV, 1 or 2 channels, 8 to 48 kHz, at most 10 s\n"
      "  text:WORD        a word in the set's first language, translated by the columns\n"
      "  text.LANG:WORD   a word of the language LANG alone (\"text.de:Hund\")\n"
      "Files are relative to the table's folder and may not lie outside it. The first\n"
      "line may name the columns: left[:LANG]<TAB>right[:LANG] (LANG, such as en or\n"
      "pt_BR, is the set's first language; en when not named), then columns left:LANG\n"
      "or right:LANG, which give that side's name (a picture), caption (a sound) or\n"
      "translation (a word) in LANG:\n"
      "  left:en<TAB>right:en<TAB>left:de<TAB>right:de\n"
      "  cat.jpg<TAB>text:cat<TAB>Katze<TAB>Katze\n"
      "  bark.wav<TAB>dog.jpg<TAB>Bellen<TAB>Hund\n"
      "A set needs at least 8 pairs and takes at most 8 languages and 200 characters a\n"
      "text. Words and sounds get faces drawn in the pictures' format (GIF without\n"
      "pictures), so older versions of the game still play the set, as single faces\n"
      "dealt twice. info also lists the pairs of such a set.\n");
}

} // namespace

int RunDeckwright(const QStringList& Arguments, QTextStream& Out, QTextStream& Err) {
  try {
    return Dispatch(Arguments, Out);
  } catch (const EDeckError& error) {
    Err << "dkwright: " << QString::fromUtf8(error.what()) << "\n";
    return 1;
  } catch (const std::bad_alloc&) {
    Err << "dkwright: "
        << QCoreApplication::translate("Deckwright", "Not enough memory to build the card set.")
        << "\n";
    return 1;
  } catch (const std::exception& error) {
    // Anything the libraries raise past the builder's own checks still ends in one line.
    Err << "dkwright: " << QString::fromUtf8(error.what()) << "\n";
    return 1;
  }
}

QString DeckwrightUsage() {
  const QString usage = QCoreApplication::translate(
      "Deckwright",
      "Deckwright makes card sets for Kovalent Tesselo.\n"
      "\n"
      "  dkwright                 (no arguments) opens the window\n"
      "  dkwright build -o OUT.crd --title TITLE [options] FACE...\n"
      "  dkwright info FILE.crd\n"
      "  dkwright help\n"
      "\n"
      "build: makes a set of the faces given. A FACE is a GIF, JPEG or BMP picture (the format\n"
      "is read from the content, not the name) or a folder, of which every such picture is\n"
      "taken, sorted by name. All faces must share one format, and a set needs at least 8,\n"
      "since a game deals at least 8 pairs. Animated GIFs stay animated.\n"
      "\n"
      "  -o, --output FILE   the set to write (replaced whole, or left untouched on error)\n"
      "  --title TITLE       the name the game lists (at most 255 characters)\n"
      "  --link URL          opened when the advert on the score screen is clicked\n"
      "  --size WxH          the card box faces are fitted into. By default it is the size\n"
      "                      most faces share, scaled up or down with its proportions to the\n"
      "                      largest box that fits 120x90: 4:3 photos give 120x90, square\n"
      "                      pictures 90x90, upright 3:4 ones 68x90.\n"
      "  --advert IMAGE      the score screen's picture (shown stretched to 178x170);\n"
      "                      drawn from the title when not given\n"
      "  --back IMAGE        the card back; drawn from the title when not given\n"
      "  --compress          store the pictures zlib-compressed (worth it for BMP faces)\n"
      "  --keep-size         store every face as given. Without it, faces larger than twice\n"
      "                      the card box are scaled down to fit twice the box and encoded\n"
      "                      again in their own format, so sets of camera photos stay small.\n"
      "\n"
      "info: prints a set's title, link, card box, face count and format, and its entries.\n");
  return usage + PairsUsage();
}
