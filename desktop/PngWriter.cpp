#include "PngWriter.h"

#include "SystemPalette.h"

// A stored deflate block holds at most this many bytes.
static const size_t kStoredBlockSize = 65535;

static void
AppendBigEndian(std::string* out, uint32 value)
{
	for (int shift = 24; shift >= 0; shift -= 8)
		out->push_back((char)(value >> shift));
}

static void
AppendChunk(std::string* png, const char* type, const std::string& data)
{
	std::string typed = std::string(type, 4) + data;
	AppendBigEndian(png, data.size());
	*png += typed;
	AppendBigEndian(png, PngWriter::Crc32(typed));
}

// A zlib stream of stored blocks.
static std::string
Deflate(const std::string& raw)
{
	std::string stream = "\x78\x01";
	size_t offset = 0;
	do {
		size_t length = std::min(kStoredBlockSize, raw.size() - offset);
		bool last = offset + length == raw.size();
		stream.push_back(last ? 1 : 0);
		stream.push_back((char)(length & 0xff));
		stream.push_back((char)(length >> 8));
		stream.push_back((char)(~length & 0xff));
		stream.push_back((char)((~length >> 8) & 0xff));
		stream.append(raw, offset, length);
		offset += length;
	} while (offset < raw.size());
	AppendBigEndian(&stream, PngWriter::Adler32(raw));
	return stream;
}

uint32
PngWriter::Crc32(const std::string& bytes)
{
	uint32 crc = 0xffffffff;
	for (unsigned char byte : bytes) {
		crc ^= byte;
		for (int bit = 0; bit < 8; bit++)
			crc = (crc >> 1) ^ (0xedb88320 & (0 - (crc & 1)));
	}
	return ~crc;
}

uint32
PngWriter::Adler32(const std::string& bytes)
{
	uint32 a = 1;
	uint32 b = 0;
	for (unsigned char byte : bytes) {
		a = (a + byte) % 65521;
		b = (b + a) % 65521;
	}
	return (b << 16) | a;
}

status_t
PngWriter::EncodeCmap8(const uint8* pixels, int32 width, int32 height, int32 bytesPerRow,
                       std::string* png)
{
	if (pixels == nullptr || png == nullptr || width <= 0 || height <= 0 || bytesPerRow < width)
		return B_BAD_VALUE;

	std::string header;
	AppendBigEndian(&header, width);
	AppendBigEndian(&header, height);
	// 8 bits per pixel, indexed colour, deflate, no filter, no interlace.
	header += std::string("\x08\x03\x00\x00\x00", 5);

	std::string palette;
	std::string alpha;
	for (int index = 0; index < 256; index++) {
		uint32 color = SystemPalette::ColorAt(index);
		palette.push_back((char)(color >> 16));
		palette.push_back((char)(color >> 8));
		palette.push_back((char)color);
		alpha.push_back(index == B_TRANSPARENT_MAGIC_CMAP8 ? 0 : (char)0xff);
	}

	std::string raw;
	for (int32 row = 0; row < height; row++) {
		raw.push_back(0);
		raw.append((const char*)pixels + (size_t)row * bytesPerRow, width);
	}

	png->assign("\x89PNG\r\n\x1a\n", 8);
	AppendChunk(png, "IHDR", header);
	AppendChunk(png, "PLTE", palette);
	AppendChunk(png, "tRNS", alpha);
	AppendChunk(png, "IDAT", Deflate(raw));
	AppendChunk(png, "IEND", "");
	return B_OK;
}
