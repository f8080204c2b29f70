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
        <source>cannot update the rates from %@</source>
        <translation>%@에서 환율을 업데이트할 수 없음</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>환율 서버에 더 최신 환율이 없습니다</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>응답이 요청한 것이 아닙니다</translation>
    </message>
</context>
</TS>
