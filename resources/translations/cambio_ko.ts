<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>업데이트 중…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>업데이트됨: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>%@을(를) 기준 통화로 설정할까요?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>컴퓨터가 지금 다른 나라에 있는 것 같습니다. Cambio는 그 나라의 통화를 맨 위 행에 표시할 수 있습니다.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – 데스크톱을 위한 통화 변환기</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>통화</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>환율 새로 고침</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>금액 초기화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>모두 복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>환경설정…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>피드백 보내기…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Cambio 정보</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Cambio 끝내기</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>버전 %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>환율: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>환율이 업데이트되지 않음</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>기준 통화를 변경할 수 없습니다.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>%1에서 환율을 업데이트할 수 없음: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>새 환율을 %@에 저장할 수 없음</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>응답이 JSON이 아님: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>응답이 환율의 JSON 객체가 아님</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>응답에 사용할 수 있는 환율이 없음</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>연결이 거부됨</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>모듈을 불러올 수 없음: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>호스트 %@을(를) 찾을 수 없음</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>전체 응답을 받기 전에 연결이 닫힘</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>HTTP 주소가 아님: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>HTTP 주소가 아님</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>응답이 %@보다 큼</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>%@초 후 시간 초과</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>%@에 쓸 수 없음</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>다른 프로그램이 %@을(를) 잠근 채로 두었음</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>%@을(를) 잠글 수 없음</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>일반 파일이 아님</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>1 MiB보다 큼</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>%@의 설정을 무시함</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>알 수 없는 통화: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>이미 표시됨: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>표시된 통화가 아님: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (고정)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>위치에 따름: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>통화 추가</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>사용할 수 있는 통화</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL이 이번 세션의 서버를 지정합니다.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio와 cambio-cli는 이 서버에 새 환율을 요청합니다. 이 컴퓨터의 서버를 쓰려면 비워 두십시오.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>기준 통화 변경</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>숫자 형식 변경</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>변경…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>변환기에 추가할 통화를 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>금액을 쓰는 방식을 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>순서를 바꾸려면 통화를 끌거나 Alt+위 또는 Alt+아래를 누르십시오.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>위치 따르기</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>컴퓨터의 위치 따르기</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>기준 통화</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>기준 통화:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>숫자 형식</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>숫자 형식</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>숫자 형식:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>금액 표시: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>패널</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>환율 서버</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>환율 서버:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>환율</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>환율:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>지금 새로 고침</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>통화 제거</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>통화 검색</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>숫자 형식 검색</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>코드 또는 이름으로 검색</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>언어 또는 지역으로 검색</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>시스템 (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>변경 사항을 저장할 수 없습니다: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>변환기는 이 통화들을 기준 통화 아래에 이 순서대로 표시합니다.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>기준 통화는 변환기의 맨 위에 있습니다.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>표시할 통화</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>컴퓨터가 다른 나라에 있으면 Cambio는 그 나라의 통화를 기준 통화로 설정하도록 제안합니다.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>이메일:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>메시지:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>필수</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>보내는 중…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>이메일 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>이 이메일 주소는 완전하지 않습니다.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>메시지를 작성하십시오.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>메시지를 저장할 수 없습니다: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>피드백을 보내 주셔서 감사합니다.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>피드백을 보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>보냈습니다.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>보고서 보내기</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>보내지 않기</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>항상 보내기</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>충돌 보고서를 보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>그림 저장…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>그림을 %@(으)로 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>이메일을 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>메일 프로그램을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>마음에 드는 점, 부족한 점, 잘못된 점을 알려 주십시오.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>메시지는 %@ 폴더에 보관되어 있습니다.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>메시지가 %@에 저장되었습니다. 이유:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>지난번 실행 때 Cambio가 예기치 않게 종료되었습니다.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>이에 대한 보고서를 %@(으)로 보내시겠습니까? 보고서에는 프로그램이 멈췄을 때 무엇을 하고 있었는지가 담기며, 입력한 내용은 포함되지 않습니다.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>발생한 일에 대한 보고서가 이 컴퓨터의 %@ 폴더에 보관되어 있습니다. 어디로도 보내지 않습니다: 보고서를 보낼 주소가 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>보고서는 %@에 남아 있으며 다음 시작 때 다시 제안됩니다. 이유:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Cambio에 포함된 환율은 fawazahmed0/exchange-api의 통화 API(CC0 1.0)에서 가져온 것입니다. 국경은 country-coder(ISC 라이선스, ‘%@’ 참조)에서 가져온 것입니다. 국기는 Debian의 iso-flags-svg(퍼블릭 도메인)이며, 비트코인, 카리브 길더, 짐바브웨 골드의 깃발은 Cambio가 직접 만든 것입니다.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>메시지는 이 컴퓨터의 %@ 폴더에 보관됩니다. 어디로도 보내지 않습니다: 피드백을 보낼 주소가 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>메시지는 %@(으)로 전송되며, 사본이 이 컴퓨터에 보관됩니다.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>붙여넣을 금액이 없습니다.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>한 번에 하나의 금액만 붙여넣을 수 있습니다.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>‘%@’은(는) 금액이 아닙니다.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>금액은 소수점 앞에 최대 %@자리까지 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>‘%@’은(는) 여기서 둘 이상의 통화를 나타냅니다.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>‘%@’은(는) 둘 이상의 통화를 가리킵니다.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@은(는) 표시된 통화에 없습니다.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>보고서는 새 보고서와 함께 %@에 남아 있으며 다음 시작 때 다시 제안됩니다. 이유:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>메시지는 아직 보내지 않은 메시지와 함께 %@에 남아 있습니다. 이유:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>충돌 보고서를 따로 보관할 수 없습니다.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>%@ 폴더를 만들 수 없음</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>환율이 %@ 전의 것입니다</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>%@ 환율</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>%@(으)로의 리디렉션이 거부됨</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>리디렉션 반복</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>HTTPS를 벗어남</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>리디렉션이 %@회를 초과함</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>대상이 없는 HTTP %@</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>응답의 압축이 손상되었거나 압축을 풀면 모든 한도를 넘습니다</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>TLS 핸드셰이크 실패: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>사용법: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Cambio의 환율로 금액을 환산하고 변환기에 표시할 통화를 바꿉니다. 금액은 현재 로캘로 읽고 쓰며, 통화 코드는 대소문자를 가리지 않습니다.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>명령:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>옵션:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>FROM 단위의 AMOUNT를 각 TO로, 또는 변환기의 모든 행으로 환산한 결과</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>데스크톱 검색이 TEXT에 대해 보여 주는 환산 결과 (예: ‘100 usd in eur’, ‘5 usd + 2 gbp in eur, jpy’)</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>FROM 단위 AMOUNT에 대한 모든 행의 복사용 요약 (FROM이 없으면 기준 통화)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>환율에 있는 모든 통화와 그 이름. --available: 아직 표시하지 않은 통화만. --filter: TEXT로 찾은 통화만</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>변환기가 표시하는 통화 (변경을 지정하면 변경한 뒤의 목록)</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>기준 통화 (CODE로 고정하거나 컴퓨터의 국가를 따르도록 한 뒤)</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>환율 서버에서 최신 환율을 가져옵니다</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>환율의 날짜, 이어서 각 통화의 미국 달러 대비 양방향 환율. 환율의 경과 시간은 stderr로 출력</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>금액에 현재 로캘 대신 로캘 ID를 사용 (예: de_DE, 숫자 0~9를 쓰려면 ar_EG@numbers=latn)</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>환율이 오래되었다는 경고를 stderr에 내지 않음</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>이 도움말을 표시하고 끝냄</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>버전 정보를 표시하고 끝냄</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>종료 상태: 성공하면 0, 작업이 실패하면 1, 명령줄이 잘못되면 2.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ 옵션은 값을 받지 않음</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ 옵션에는 값이 필요함</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>알 수 없는 옵션: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 옵션은 인수를 받지 않음: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>명령을 지정하지 않음 (cambio-cli --help 참조)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 명령은 %2 옵션을 받지 않음</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>알 수 없는 명령: %@ (cambio-cli --help 참조)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>금액이 아님: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert 명령에는 금액과 통화가 필요함: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query 명령에는 텍스트가 필요함: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>환산이 아님: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>현재 환율에 %@의 사용할 수 있는 환율이 없음</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>금액이 너무 커서 %@(으)로 환산할 수 없음</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary 명령에는 금액이 필요함: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>지정된 기준 통화가 없음. FROM을 지정하거나 다음 명령으로 고정하십시오: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies 명령은 통화를 받지 않음: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible 명령은 다음 중 하나를 받음: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main 명령은 통화 하나 또는 --auto를 받음: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update 명령은 인수를 받지 않음</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>환율을 업데이트하지 않았음</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>환율 없음: 환율 파일도 프로그램 자체 사본도 읽을 수 없음</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>환율 파일의 %@ 항목을 사용할 수 없음. 프로그램 자체 환율을 표시함</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>환율 파일의 %@ 항목을 사용할 수 없어 제외함</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>출력을 쓸 수 없음</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>출력을 쓸 수 없음: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>로캘을 지정하지 않음</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>알 수 없는 로캘: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>10진 기수법이 아님: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>지원하지 않는 로캘 키워드: %@ (numbers와 currency는 지원)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>환율이 %1 전의 것입니다: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>환율이 %@ 전의 것입니다: 환율 서버에 더 최신 환율이 없습니다</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>유럽 중앙은행과 커뮤니티 통화 API에서 모은 환율을 %1에서, 각 출처의 상태를 %2에서 Cambio에 제공합니다.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>--once를 제외한 모든 옵션은 %@에서도 한 줄에 하나씩 ‘name = value’ 형식으로 설정할 수 있습니다. 명령줄이 우선합니다.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>수신 대기할 주소 (기본값 %1, IPv6는 %2)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>중앙은행의 일일 기준 환율 (XML). %@ 값은 끔</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>통화 API의 달러 기준 표 (JSON). 대체 주소는 반복해서 지정. %@ 값은 끔</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>실시간 출처가 없는 통화에 쓸 표: 환율 문서 또는 JSON 응답 (기본값: 변환기 자체의 초기 환율)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>마지막 정상 표를 보관할 위치 (기본값 %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>표를 최신으로 간주할 최신 환율의 최대 경과 시간 (기본값 %1, 최대 %2, 10년)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>이 시간 동안 요청이 없으면 종료, 소켓 활성화용 (기본값 0: 종료하지 않음, 최대 %@, 약 24일)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>한 번 가져와 표를 JSON으로 FILE에 쓰고 종료. 실시간 출처가 하나도 응답하지 않으면 종료 상태 1</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>설정 항목이 아님: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 옵션에는 http 또는 https URL이 필요함: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 옵션에는 %2에서 %3 사이의 정수 초가 필요함: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>예상하지 못한 인수: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 옵션에는 %2 형식이 필요함 (예: %3): %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ 옵션에는 파일이 필요함</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (cambio-ratesd --help 참조)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1개월(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>3개월(&amp;3)</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1년(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>5년(&amp;5)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>전체(&amp;A)</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>다운로드 중…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>다운로드하지 못했습니다: %@. 이 컴퓨터에 저장된 환율을 표시합니다.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>이 기간에 저장된 환율이 없습니다.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%2당 %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>지난 1개월간</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>지난 3개월간</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>지난 1년간</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>지난 5년간</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>%@ 이후</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: 저장된 환율이 없습니다.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: %3의 %2만 있습니다.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: %2에서 %3(으)로, 최저 %4(%5), 최고 %6(%7).</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>%@ 이전의 환율이 없습니다.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>%@ 이후의 환율이 없습니다.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>%1부터 %2까지 환율이 없습니다.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>변동: %1(%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>최저: %1(%2)</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>최고: %1(%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>환율 기록은 메모리에만 보관됩니다. %@을(를) 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>다른 프로그램의 테이블이 들어 있습니다</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>스키마 버전이 %@입니다</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>환율 기록을 새로 시작합니다. 이전 파일은 %@(으)로 보관됩니다</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>환율을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>응답에 요청한 통화의 기록이 없습니다</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>%@에서 환율 기록을 내려받을 수 없습니다</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%2당 %1 (%3~%4): %5 → %6, 최저 %7 (%8), 최고 %9 (%10), 변동 %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>이 컴퓨터에 보관된 환율을 표시합니다</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>날마다 1 CODE가 몇 AGAINST(지정하지 않으면 주 통화)였는지, 이어서 최저, 최고, 변동; 지정하지 않으면 최근 30일, 최대 10년; 날짜는 YYYY-MM-DD; 스프레드시트용은 --csv</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>응답이 요청한 것이 아닙니다</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>중앙은행의 전체 이력(XML), 이력에 한 번 가져옴; %@(으)로 끔</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history에는 통화가 필요합니다: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history에는 서로 다른 두 통화가 필요합니다: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days는 --from 또는 --to와 함께 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days에는 일수가 필요합니다: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>날짜가 아님 (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to에는 --from이 필요합니다</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>첫날이 마지막 날보다 뒤입니다: %1 ~ %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>한 번에 %1년 초과: %2 ~ %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>%3부터 %4까지 %2 대비 %1 환율이 없습니다</translation>
    </message>
</context>
</TS>
