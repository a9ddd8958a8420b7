#include "JsonTextWriter.h"

#include "Containers/StringConv.h"
#include "GenericPlatform/GenericPlatformFile.h"
#include <charconv>

namespace UE::StandIn
{
	namespace
	{
		// Small enough to stay in the allocator's reused memory and in the cache between pieces.
		constexpr size_t PieceBytes = 64 * 1024;
	}

	bool FJsonTextWriter::Finish()
	{
		if (!Text.empty())
		{
			bWriteFailed |= !File.Write(reinterpret_cast<const uint8*>(Text.data()), static_cast<int64>(Text.size()));
			Text.clear();
		}
		return !bWriteFailed;
	}

	void FJsonTextWriter::WriteOutIfFull()
	{
		if (Text.size() >= PieceBytes)
		{
			Finish();
		}
	}

	void FJsonTextWriter::BeginObject()
	{
		BeginValue();
		Text.push_back('{');
		Levels.push_back({true, true});
	}

	void FJsonTextWriter::EndObject()
	{
		check(!Levels.empty() && Levels.back().bObject && !bAfterKey);
		EndLevel('}');
	}

	void FJsonTextWriter::BeginArray()
	{
		BeginValue();
		Text.push_back('[');
		Levels.push_back({false, true});
	}

	void FJsonTextWriter::EndArray()
	{
		check(!Levels.empty() && !Levels.back().bObject);
		EndLevel(']');
	}

	void FJsonTextWriter::Key(std::string_view Name)
	{
		check(!Levels.empty() && Levels.back().bObject && !bAfterKey);
		WriteOutIfFull();
		FLevel& Level = Levels.back();
		Text.append(Level.bEmpty ? "\n" : ",\n");
		Level.bEmpty = false;
		Text.append(Levels.size(), '\t');
		AppendEscaped(Name);
		Text.push_back(':');
		Text.push_back(' ');
		bAfterKey = true;
	}

	void FJsonTextWriter::Null()
	{
		BeginValue();
		Text.append("null");
	}

	void FJsonTextWriter::Bool(bool bValue)
	{
		BeginValue();
		Text.append(bValue ? "true" : "false");
	}

	void FJsonTextWriter::Integer(int64 Value)
	{
		BeginValue();
		char Digits[24];
		Text.append(Digits, std::to_chars(Digits, Digits + sizeof(Digits), Value).ptr);
	}

	void FJsonTextWriter::Unsigned(uint64 Value)
	{
		BeginValue();
		char Digits[24];
		Text.append(Digits, std::to_chars(Digits, Digits + sizeof(Digits), Value).ptr);
	}

	void FJsonTextWriter::Number(double Value)
	{
		BeginValue();
		// The library's own shortest round-trip text ("1.0", "0.1", "null" for what JSON cannot hold).
		Text.append(nlohmann::ordered_json(Value).dump());
	}

	void FJsonTextWriter::String(std::string_view Utf8)
	{
		BeginValue();
		AppendEscaped(Utf8);
	}

	void FJsonTextWriter::String(const FString& Value)
	{
		UE::Core::Private::ConvertTCHARToUTF8(*Value, Value.Len(), Utf8Scratch);
		String(std::string_view(Utf8Scratch));
	}

	void FJsonTextWriter::String(FName Name)
	{
		NameScratch.Reset();
		Name.AppendString(NameScratch);
		String(NameScratch);
	}

	void FJsonTextWriter::Value(const nlohmann::ordered_json& Value)
	{
		switch (Value.type())
		{
		case nlohmann::ordered_json::value_t::object:
			BeginObject();
			for (auto It = Value.begin(); It != Value.end(); ++It)
			{
				Key(It.key());
				this->Value(It.value());
			}
			EndObject();
			break;
		case nlohmann::ordered_json::value_t::array:
			BeginArray();
			for (const nlohmann::ordered_json& Item : Value)
			{
				this->Value(Item);
			}
			EndArray();
			break;
		case nlohmann::ordered_json::value_t::string:
			String(std::string_view(Value.get_ref<const std::string&>()));
			break;
		case nlohmann::ordered_json::value_t::boolean:
			Bool(Value.get<bool>());
			break;
		case nlohmann::ordered_json::value_t::number_integer:
			Integer(Value.get<int64>());
			break;
		case nlohmann::ordered_json::value_t::number_unsigned:
			Unsigned(Value.get<uint64>());
			break;
		case nlohmann::ordered_json::value_t::number_float:
			Number(Value.get<double>());
			break;
		default:
			Null();
			break;
		}
	}

	void FJsonTextWriter::BeginValue()
	{
		if (bAfterKey)
		{
			bAfterKey = false;
			return;
		}
		if (Levels.empty())
		{
			return;
		}
		WriteOutIfFull();
		FLevel& Level = Levels.back();
		check(!Level.bObject);
		Text.append(Level.bEmpty ? "\n" : ",\n");
		Level.bEmpty = false;
		Text.append(Levels.size(), '\t');
	}

	void FJsonTextWriter::EndLevel(char Close)
	{
		const bool bEmpty = Levels.back().bEmpty;
		Levels.pop_back();
		if (!bEmpty)
		{
			Text.push_back('\n');
			Text.append(Levels.size(), '\t');
		}
		Text.push_back(Close);
	}

	void FJsonTextWriter::AppendEscaped(std::string_view Utf8)
	{
		static constexpr char HexDigits[] = "0123456789abcdef";
		Text.push_back('"');
		size_t Plain = 0;
		for (size_t Index = 0; Index < Utf8.size(); ++Index)
		{
			const unsigned char Char = static_cast<unsigned char>(Utf8[Index]);
			if (Char >= 0x20 && Char != '"' && Char != '\\')
			{
				continue;
			}
			Text.append(Utf8.data() + Plain, Index - Plain);
			Plain = Index + 1;
			switch (Char)
			{
			case '"': Text.append("\\\""); break;
			case '\\': Text.append("\\\\"); break;
			case '\b': Text.append("\\b"); break;
			case '\f': Text.append("\\f"); break;
			case '\n': Text.append("\\n"); break;
			case '\r': Text.append("\\r"); break;
			case '\t': Text.append("\\t"); break;
			default:
				Text.append("\\u00");
				Text.push_back(HexDigits[Char >> 4]);
				Text.push_back(HexDigits[Char & 0xF]);
				break;
			}
		}
		Text.append(Utf8.data() + Plain, Utf8.size() - Plain);
		Text.push_back('"');
	}
}
